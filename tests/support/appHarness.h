#pragma once
// Starts the program as main() does and tears it down again, for widget tests.
//
//   DialogRecorder dialogs;          // #include "support/dialogRecorder.h"
//   AppHarness app;                  // #include "support/appHarness.h"
//   app.trigger("mnuSetup");         // a menu command by control name
//   auto* setup = app.formAs<frmB3Setup>("frmB3Setup");
//   EXPECT_EQ(app.statusPanel(2), "Disconnected");

#include <QString>
#include <string>

#include "platform/childFormRegistry.h"

class ChildForm;
class frmB3MasterMDI;

class AppHarness {
public:
    // The start-up timer clears bChanged once, a second after start. A test would race
    // it on a busy machine (a form opened and checked across that second loses its
    // mark), so by default its tick has already run when the constructor returns.
    enum class StartupTimer { AlreadyRun, Running };

    // Runs the program's start-up in the test's fresh $HOME.
    explicit AppHarness(StartupTimer startupTimer = StartupTimer::AlreadyRun);
    ~AppHarness();   // deletes the main window and every form in it
    AppHarness(const AppHarness&) = delete;
    AppHarness& operator=(const AppHarness&) = delete;

    frmB3MasterMDI& window() const { return *window_; }
    // Triggers the menu entry; fails the test when there is none or it is greyed.
    void trigger(const QString& controlName) const;
    std::string statusPanel(int panel) const;
    ChildForm* form(const QString& name) const { return childForms::find(name); }
    template <class Form>
    Form* formAs(const QString& name) const { return childForms::findAs<Form>(name); }
    // Runs pending events, deferred deletions included.
    static void processEvents();

private:
    frmB3MasterMDI* window_;
};
