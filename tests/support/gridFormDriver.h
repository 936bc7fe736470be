#pragma once
// Drives the grid editors the way a person does: presses on labels, double clicks as
// Qt delivers them, picks in drop-down lists, clicks on the form's background.

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

#include "core/modB3Glimwarden.h"
#include "platform/childForm.h"
#include "platform/childFormRegistry.h"
#include "platform/vbControls.h"
#include "shell/childFormOrder.h"

namespace gridDriver {

inline void mouse(QWidget* widget, QEvent::Type type, Qt::MouseButton button, Qt::KeyboardModifiers modifiers = {})
{
    const QPointF pos(widget->width() / 2.0, widget->height() / 2.0);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::MouseButtons{} : Qt::MouseButtons{button};
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, modifiers);
    QApplication::sendEvent(widget, &event);
}

inline void click(QWidget* widget)
{
    mouse(widget, QEvent::MouseButtonPress, Qt::LeftButton);
    mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}

// A quick double click arrives as press, release, double-click, release.
inline void doubleClick(QWidget* widget)
{
    click(widget);
    mouse(widget, QEvent::MouseButtonDblClick, Qt::LeftButton);
    mouse(widget, QEvent::MouseButtonRelease, Qt::LeftButton);
}

inline void rightPress(QWidget* widget, Qt::KeyboardModifiers modifiers)
{
    mouse(widget, QEvent::MouseButtonPress, Qt::RightButton, modifiers);
    mouse(widget, QEvent::MouseButtonRelease, Qt::RightButton, modifiers);
}

// Opens the list's popup and picks an entry with the keyboard, as a person may; this
// raises the list's Click even for the entry already chosen.
inline void choose(VbComboBox* list, int entry)
{
    ASSERT_TRUE(list->isVisible());
    list->showPopup();
    QAbstractItemView* view = list->view();
    view->setCurrentIndex(list->model()->index(entry, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

// Holds a scroll bar's thumb, drags it through `positions` and lets it go, as a person
// does with the mouse: the bar reports each step while held and the release.
inline void drag(QScrollBar* bar, std::initializer_list<int> positions)
{
    bar->setSliderDown(true);
    for (int position : positions) bar->setSliderPosition(position);
    bar->setSliderDown(false);
}

// A press on the form outside every control.
inline void clickBackground(ChildForm* form)
{
    QWidget* spot = form->childAt(form->width() - 2, form->height() - 2);
    ASSERT_EQ(spot, nullptr);
    const QPointF pos(form->width() - 2, form->height() - 2);
    QMouseEvent press(QEvent::MouseButtonPress, pos, form->mapToGlobal(pos), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(form, &press);
}

inline void install(int ioPoints)
{
    tConfig.iNodeIO.fill(0);
    tConfig.iNodeIO[0] = static_cast<int16_t>(std::min(ioPoints, 32) / 4);
    tConfig.iNodeIO[1] = static_cast<int16_t>(std::max(ioPoints - 32, 0) / 4);
}

template <class Form>
Form* open(const char* name)
{
    auto* form = dynamic_cast<Form*>(childForms::show(QString::fromLatin1(name)));
    EXPECT_NE(form, nullptr);
    return form;
}

// Each case starts from the defaults with no form loaded.
class GridFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings();
        bChanged = VbFalse;
    }
    void TearDown() override
    {
        for (const char* name : kChildFormsInUnloadOrder) childForms::unload(QString::fromLatin1(name));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

inline int visibleCount(const std::vector<VbLabel*>& labels)
{
    int n = 0;
    for (VbLabel* label : labels) n += label->isVisible() ? 1 : 0;
    return n;
}

} // namespace gridDriver
