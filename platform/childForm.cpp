#include "platform/childForm.h"

#include <QMouseEvent>

#include "platform/twips.h"

ChildForm::ChildForm(const QString& formName, QWidget* parent) : QWidget(parent), name_(formName)
{
    setObjectName(formName);
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
