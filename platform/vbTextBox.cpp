#include "platform/vbTextBox.h"

#include <QKeyEvent>

#include "platform/latin1.h"

VbTextBox::VbTextBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(32767);
    connect(this, &QLineEdit::textChanged, this, [this] { emit Change(); });
}

std::string VbTextBox::Text() const { return fromQ(text()); }

void VbTextBox::setText(const std::string& text)
{
    const QString value = toQ(text);
    if (value != QLineEdit::text()) QLineEdit::setText(value);
}

void VbTextBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Delete && KeyDown) {
        int keyCode = vbKeyDelete;
        KeyDown(keyCode);
        if (keyCode == 0) {
            event->accept();
            return;
        }
    }
    int keyAscii = 0;
    if (event->key() == Qt::Key_Backspace) keyAscii = 8;
    // Some platforms give the Delete key the text DEL; it edits, it types nothing.
    else if (event->key() == Qt::Key_Delete) keyAscii = 0;
    else if (event->text().size() == 1 && event->text().at(0).unicode() < 256) keyAscii = event->text().at(0).unicode();
    if (KeyPress && keyAscii != 0) {
        KeyPress(keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}
