#include "widgetActions.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

void clickWidget(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
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
