#include <gtest/gtest.h>

#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"
#include "dimmers/frmB3DimmerRelayControl.h"
#include "gridFormDriver.h"
#include "platform/twips.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"
#include "support/widgetActions.h"

namespace {

QColor back(const QWidget* w) { return w->palette().color(QPalette::Window); }

std::vector<int> included(int16_t d, int16_t o)
{
    std::vector<int> relays;
    for (int16_t r = 0; r < 48; ++r)
        if (DimGetRelayIncluded(d, o, r) != 0) relays.push_back(r);
    return relays;
}

TEST(DimmerRelayControl, ClicksRunsLevelsAndTheDisabledDevice)
{
    DialogRecorder dialogs;
    AppHarness app;
    gridDriver::install(8);  // all 48 relays are listed whatever is installed
    tConfig.sRelayName[20] = "Foyer";
    DimSetDevEnabled(0, 1);
    for (int16_t r : {0, 1, 2, 9}) DimSetRelayIncluded(0, 2, r, -1);
    app.trigger("mnuDimmerToRelayControl");
    auto* form = app.formAs<frmB3DimmerRelayControl>("frmB3DimmerRelayControl");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Dimmer Output / Relay Control");
    EXPECT_EQ(gridDriver::visibleCount(form->lblRelayName), 48);
    EXPECT_EQ(form->lblRelayName[20]->text(), " Foyer");
    EXPECT_EQ(form->lblRelayName[20]->toolTip(), "Relay 21 : Foyer");
    EXPECT_EQ(form->lblRelayName[47]->pos(), twipsRect(560 + 2 * 2700, 480 + 15 * 360, 1, 1).topLeft());
    chooseListEntry(form->cboDOut, 2);

    struct Step {
        QWidget* cell;
        Qt::KeyboardModifiers modifiers;
        bool doubleClick;
        std::vector<int> after;
    };
    const Step steps[] = {
        // Before any plain click a modified click clears from relay 1 up.
        {form->lblRelayName[3], Qt::ControlModifier, false, {9}},
        {form->imgInclude[4], {}, false, {4, 9}},
        {form->lblRelayName[1], Qt::ShiftModifier, false, {1, 2, 3, 4, 9}},
        {form->lblRelayName[1], Qt::ShiftModifier, false, {1, 2, 3, 4, 9}},  // sets, never toggles
        {form->imgInclude[3], {}, false, {1, 2, 4, 9}},
        {form->lblRelayName[6], Qt::ControlModifier, false, {1, 2, 9}},  // sets 3 to 6 off
        {form->imgInclude[9], {}, true, {1, 2, 9}},                        // toggled twice
        {form->lblRelayName[40], {}, false, {1, 2, 9, 40}},
        {form->imgInclude[47], Qt::AltModifier, false, {1, 2, 9, 40, 41, 42, 43, 44, 45, 46, 47}},
    };
    for (const Step& step : steps) {
        bChanged = VbFalse;
        gridDriver::mouse(step.cell, QEvent::MouseButtonPress, Qt::LeftButton, step.modifiers);
        gridDriver::mouse(step.cell, QEvent::MouseButtonRelease, Qt::LeftButton, step.modifiers);
        if (step.doubleClick) {
            gridDriver::mouse(step.cell, QEvent::MouseButtonDblClick, Qt::LeftButton, step.modifiers);
            gridDriver::mouse(step.cell, QEvent::MouseButtonRelease, Qt::LeftButton, step.modifiers);
        }
        EXPECT_EQ(included(0, 2), step.after);
        EXPECT_EQ(bChanged, VbTrue);
    }
    EXPECT_EQ(back(form->lblRelayName[40]), vbColor(0xC0FFFF));
    EXPECT_EQ(back(form->lblRelayName[39]), vbColor(0xE0E0E0));
    EXPECT_EQ(form->imgInclude[40]->pixmap().toImage(), flagPicture(true).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(included(0, 1).empty());

    // An on level below the off level is taken as it comes.
    chooseListEntry(form->cboOffLevel, 60);
    chooseListEntry(form->cboOnLevel, 20);
    EXPECT_EQ(DimGetRelayOnLevel(0, 2), 20);
    EXPECT_EQ(DimGetRelayOffLevel(0, 2), 60);

    chooseListEntry(form->cboDDev, 3);
    EXPECT_TRUE(form->cboDOut->isHidden());
    EXPECT_TRUE(form->cboOnLevel->isHidden());
    EXPECT_TRUE(form->frmConfig->isHidden());
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
