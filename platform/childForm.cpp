#include "platform/childForm.h"

#include <QCloseEvent>
#include <QFont>
#include <QMouseEvent>

#include "platform/childFormRegistry.h"
#include "platform/twips.h"

ChildForm::ChildForm(const QString& formName, QWidget* parent) : QWidget(parent), name_(formName)
{
    setObjectName(formName);
    // Every form is laid out in twips for captions in an 8-point face; a larger
    // desktop default would clip them.
    QFont face = font();
    face.setPointSize(8);
    setFont(face);
}

void ChildForm::setTwipsSize(int widthTwips, int heightTwips)
{
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void ChildForm::setCaption(const QString& caption) { setWindowTitle(caption); }

void ChildForm::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) Form_Click();
    QWidget::mousePressEvent(event);
}

void ChildForm::closeEvent(QCloseEvent* event)
{
    // Our own unload hides the frame without a close event, so this is the user's
    // close box (of the form or of its MDI sub-window, which closes the form first).
    if (childForms::find(name_) == this) childForms::unload(name_);
    event->accept();
}
