#include "platform/childForm.h"

#include <QCloseEvent>
#include <QFont>
#include <QMouseEvent>
#include <QStringList>

#include "platform/childFormRegistry.h"
#include "platform/twips.h"

ChildForm::ChildForm(const QString& formName, QWidget* parent) : QWidget(parent), name_(formName)
{
    setObjectName(formName);
    // Every form is laid out in twips for captions in a narrow 8-point face; the
    // desktop's default face, wider, would clip them. Liberation Sans, drawn a tenth
    // narrower, has the widths the layouts expect; the faces after it share its
    // metrics, and the last, condensed, is the nearest where none of them is installed.
    QFont face(QStringList{"Liberation Sans", "Arial", "Helvetica", "Arimo", "Nimbus Sans", "DejaVu Sans Condensed"});
    face.setStyleHint(QFont::SansSerif);
    face.setPointSize(8);
    face.setStretch(90);
    setFont(face);
}

void ChildForm::setTwipsSize(int widthTwips, int heightTwips)
{
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

void ChildForm::setOwnTwipsSize(int widthTwips, int heightTwips)
{
    setTwipsSize(widthTwips, heightTwips);
    ownSize_ = true;
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
    if (childForms::find(name_) == this && Form_QueryUnload()) childForms::unload(name_);
    event->accept();
}
