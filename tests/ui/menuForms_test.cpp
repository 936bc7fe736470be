#include <gtest/gtest.h>

#include <utility>

#include "platform/childForm.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"

namespace {

// Every menu command that shows an editor closes what was open and shows its own
// form, so only one child form (besides the hidden connect form) is up at a time.
TEST(MenuForms, EachEditorOpensFromItsMenuAndClosesThePreviousOne)
{
    const std::pair<const char*, const char*> commands[] = {
        {"mnuRelayOutputOptions", "frmB3RelayOutputOptions"},
        {"mnuRelayGrouping", "frmB3RelayGrouping"},
        {"mnuInputToRelayControl", "frmB3InputToRelayControl"},
        {"mnuInputToGroupControl", "frmB3InputToGroupControl"},
        {"mnuLocalInputPilots", "frmB3LocalInputPilots"},
        {"mnuInputOptions", "frmB3InputOptions"},
        {"mnuInputActiveTimes", "frmB3InputActiveTimes"},
        {"mnuEditPresets", "frmB3EditPresets"},
        {"mnuOpenCloseTimeNormalDays", "frmB3OpenAndCloseTimeNormalDays"},
        {"mnuOffHoursSweepInterval", "frmB3OffHoursSweepInterval"},
        {"mnuOffHoursSweepRelays", "frmB3OffHoursSweepRelays"},
        {"mnuOffHoursSweepGroups", "frmB3OffHoursSweepGroups"},
        {"mnuConfigureTimers", "frmB3TimersConfigure"},
        {"mnuDaylightSavingTime", "frmB3DaylightSavingTime"},
        {"mnuAstroClockSettings", "frmB3AstroClockSettings"},
        {"mnuDocument", "frmB3Document"},
        {"mnuSetup", "frmB3Setup"},
        {"mnuRelayStatus", "frmB3RelayStatus"},
        {"mnuGroupStatus", "frmB3RelayGroupStatus"},
        {"mnuInputStatus", "frmB3InputStatus"},
        {"mnuTiverlinkStatus", "frmB3TiverlinkStatus"},
        {"mnuCapturePresets", "frmB3CapturePresets"},
        {"mnuAbout", "frmB3About"},
    };
    DialogRecorder dialogs;
    AppHarness app;
    QString previous = "frmB3About";
    for (const auto& [menu, formName] : commands) {
        app.trigger(menu);
        AppHarness::processEvents();
        ChildForm* form = app.form(formName);
        ASSERT_NE(form, nullptr) << menu;
        EXPECT_TRUE(form->isVisible()) << menu;
        if (previous != formName) {
            EXPECT_EQ(app.form(previous), nullptr) << menu;
        }
        previous = formName;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
