#include "widgetActions.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Where a user clicks: a check box or option button takes clicks on its box and its
// caption only, which may end before the middle of the control.
QPoint clickPoint(const QWidget* widget)
{
    QStyle::SubElement clickRect;
    if (qobject_cast<const QCheckBox*>(widget)) clickRect = QStyle::SE_CheckBoxClickRect;
    else if (qobject_cast<const QRadioButton*>(widget)) clickRect = QStyle::SE_RadioButtonClickRect;
    else return widget->rect().center();
    const auto* button = static_cast<const QAbstractButton*>(widget);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(clickRect, &option, button).center();
}

} // namespace

void clickWidget(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, clickPoint(widget));
}

void chooseListEntry(QComboBox* list, int index)
{
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible()) << "the list is not shown";
    ASSERT_TRUE(index >= 0 && index < list->count()) << "no entry " << index;
    list->showPopup();
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible()) << "the drop-down did not open";
    // Highlight the entry and press Enter, as with the keyboard: a mouse release right
    // after the drop-down opens is ignored by the list.
    view->setCurrentIndex(list->model()->index(index, list->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    ASSERT_FALSE(view->isVisible()) << "the drop-down stayed open";
}
