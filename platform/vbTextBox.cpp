#include "platform/vbTextBox.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

#include "platform/latin1.h"

namespace {

// VB's KeyAscii of a key press, or 0 when the key types nothing.
int keyAsciiOf(const QKeyEvent* event)
{
    if (event->key() == Qt::Key_Backspace) return 8;
    // Some platforms give the Delete key the text DEL; it edits, it types nothing.
    if (event->key() == Qt::Key_Delete) return 0;
    // Ctrl+letter is its control code whatever text the platform attaches (some send
    // the plain letter).
    if (event->modifiers().testFlag(Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z)
        return event->key() - Qt::Key_A + 1;
    const QString text = event->text();
    return text.size() == 1 && text.at(0).unicode() < 256 ? text.at(0).unicode() : 0;
}

} // namespace

VbTextBox::VbTextBox(QWidget* parent) : QLineEdit(parent)
{
    setMaxLength(kMaxLength);
    connect(this, &QLineEdit::textChanged, this, [this] { emit Change(); });
}

std::string VbTextBox::Text() const { return fromQ(text()); }

void VbTextBox::setText(const std::string& text)
{
    const QString value = toQ(text);
    if (value != QLineEdit::text()) QLineEdit::setText(value);
}

void VbTextBox::setDesignText(const std::string& text)
{
    const QSignalBlocker blocker(this);
    QLineEdit::setText(toQ(text));
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
    const int typed = keyAsciiOf(event);
    if (!KeyPress || typed == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    int keyAscii = typed;
    KeyPress(keyAscii);
    if (keyAscii == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    // The handler put another character in place of the typed one: that one goes in.
    if (keyAscii >= 32 && keyAscii < 256) insert(QString(QChar(keyAscii)));
}

void VbTextBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
}
