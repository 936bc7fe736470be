#include <QAction>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/childForm.h"
#include "platform/childFormRegistry.h"
#include "shell/childFormOrder.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainMenuTree.h"
#include "shell/mainServices.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"

namespace {

// The menu entries that show a form built into this program, in menu order. The
// connect form is left out: closing the child forms only hides it.
void collectFormCommands(const std::vector<MainMenuEntry>& entries, std::vector<const MainMenuEntry*>& commands)
{
    for (const MainMenuEntry& entry : entries) {
        collectFormCommands(entry.children, commands);
        if (entry.form && QString(entry.form) != kConnectFormName && childForms::isRegistered(entry.form))
            commands.push_back(&entry);
    }
}

// Every menu command that shows an editor closes what was open and shows its own
// form, so only one child form (besides the hidden connect form) is up at a time.
TEST(MenuForms, EachEditorOpensFromItsMenuAndClosesThePreviousOne)
{
    std::vector<const MainMenuEntry*> commands;
    collectFormCommands(MainMenuTree(), commands);
    ASSERT_GE(commands.size(), 20U);

    DialogRecorder dialogs;
    AppHarness app;
    QString previous = kAboutFormName;
    for (const MainMenuEntry* command : commands) {
        const auto* action = app.window().findChild<QAction*>(command->name);
        ASSERT_NE(action, nullptr) << command->name;
        if (!action->isEnabled()) continue;
        app.trigger(command->name);
        AppHarness::processEvents();
        ChildForm* form = app.form(command->form);
        ASSERT_NE(form, nullptr) << command->name;
        EXPECT_TRUE(form->isVisible()) << command->name;
        if (previous != command->form) {
            EXPECT_EQ(app.form(previous), nullptr) << command->name;
        }
        previous = command->form;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

} // namespace
