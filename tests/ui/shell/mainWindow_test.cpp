#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTest>
#include <QTimer>

#include "support/appHarness.h"
#include "core/dataFolder.h"
#include "core/modB3Dimmers.h"
#include "core/modB3Glimwarden.h"
#include "support/dialogRecorder.h"
#include "support/fakeConnectForm.h"
#include "platform/childForm.h"
#include "platform/fileSystem.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"

namespace {

const std::string kDiscard = "Discard Any Changes?";

bool windowOpen(const AppHarness& app) { return app.window().isVisible(); }

TEST(MainWindow, StartsInAFreshHomeWithFoldersDefaultsAndStatusBar)
{
    // A diagnostics file left from an earlier run is removed at start.
    // So is one whose name differs only in letter case, which opens the same mode.
    CreateFolderIfMissing(DataFolderPath());
    const std::string upperCase = DataFolderPath() + "/HARROW 9 FIELDTESTS MODE.b3";
    const std::string other = DataFolderPath() + "/Harrow 9.B3";
    for (const std::string& path : {DiagnosticsFilePath(), upperCase, other}) {
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ConnectFormProbe& connect = InstallFakeConnectForm();
    DialogRecorder dialogs;
    AppHarness app;

    EXPECT_TRUE(PathExists(DataFolderPath()));
    EXPECT_TRUE(PathExists(DocumentationFolderPath()));
    EXPECT_FALSE(PathExists(DiagnosticsFilePath()));
    EXPECT_FALSE(PathExists(upperCase));
    EXPECT_TRUE(PathExists(other));
    EXPECT_EQ(app.statusPanel(1), " File Name: None");
    EXPECT_EQ(app.statusPanel(2), "Disconnected");
    EXPECT_EQ(connect.networkDiagnosticsVisible, false);
    EXPECT_TRUE(dialogs.messages.empty());

    EXPECT_EQ(app.window().windowTitle(), "OVK Brevantine 3");
    // The program's own icon, on the window and on the forms' frames.
    EXPECT_FALSE(app.window().windowIcon().isNull());
    EXPECT_EQ(app.form("frmB3About")->parentWidget()->windowIcon().cacheKey(), app.window().windowIcon().cacheKey());
    EXPECT_FALSE(app.window().picBlockFlashing->isVisible());
    EXPECT_EQ(app.window().lblLoading->text(), "Loading OVK Brevantine 3...");
    EXPECT_EQ(sFileName, "None");
    EXPECT_EQ(bChanged, VbFalse);
    EXPECT_EQ(sSoftwareVersion, "Version 1.02");
    EXPECT_EQ(sDocFile, DataFolderPath() + "/Documentation/Brevantine 3.txt");

    // The start screen is up; the connect form stays loaded but hidden.
    ASSERT_NE(app.form("frmB3About"), nullptr);
    EXPECT_TRUE(app.form("frmB3About")->isVisible());
    ASSERT_NE(app.form("frmB3Connect"), nullptr);
    EXPECT_FALSE(app.form("frmB3Connect")->isVisible());
    EXPECT_EQ(connect.loads, 1);
    EXPECT_EQ(connect.disconnects, 1);

    // The user may not resize the window.
    const QSize fixed = app.window().size();
    app.window().resize(300, 200);
    EXPECT_EQ(app.window().size(), fixed);
}

TEST(MainWindow, StartupTimerClearsTheChangedFlagOnce)
{
    AppHarness app(AppHarness::StartupTimer::Running);
    ASSERT_TRUE(app.window().tmrFix->isActive());
    bChanged = VbTrue;
    QTRY_COMPARE_WITH_TIMEOUT(bChanged, VbFalse, 3000);
    EXPECT_FALSE(app.window().tmrFix->isActive());
    bChanged = VbTrue;
    QTest::qWait(50);
    EXPECT_EQ(bChanged, VbTrue);
}

TEST(MainWindow, MenuCommandsCloseTheOpenFormBeforeShowingTheirOwn)
{
    ConnectFormProbe& connect = InstallFakeConnectForm();
    AppHarness app;
    app.trigger("mnuConnect");
    EXPECT_TRUE(app.form("frmB3Connect")->isVisible());
    // Loaded at start-up beside the About form, the connect form still opens where
    // every form opens.
    const QPoint connectPlace = app.form("frmB3Connect")->parentWidget()->pos();

    const int stopsBefore = connect.pollTimerStops;
    app.trigger("mnuSetup");
    AppHarness::processEvents();
    EXPECT_FALSE(app.form("frmB3Connect")->isVisible());     // hidden, not unloaded
    EXPECT_EQ(connect.loads, 1);
    EXPECT_EQ(connect.pollTimerStops, stopsBefore + 1);
    EXPECT_EQ(app.form("frmB3About"), nullptr);
    ASSERT_NE(app.form("frmB3Setup"), nullptr);
    EXPECT_EQ(app.form("frmB3Setup")->parentWidget()->pos(), connectPlace);
    EXPECT_EQ(connectPlace, QPoint(0, 0));

    // A form that is not built into the program: the command only closes the others.
    app.trigger("mnuRelayGrouping");
    AppHarness::processEvents();
    EXPECT_EQ(app.form("frmB3Setup"), nullptr);

    app.trigger("mnuAbout");
    tConfig.iAddOnModule = 6;
    app.trigger("mnuAddOnModules");
    AppHarness::processEvents();
    EXPECT_EQ(app.form("frmB3About"), nullptr);
    EXPECT_TRUE(app.window().mdiArea->subWindowList().size() == 1);   // the hidden connect form
}

// The frame's menu holds what the close box does; it only offers what a fixed-size
// form can do.
TEST(MainWindow, CloseBoxOfAChildFormUnloadsIt)
{
    AppHarness app;
    app.trigger("mnuSetup");
    ChildForm* setup = app.form("frmB3Setup");
    ASSERT_NE(setup, nullptr);
    QPointer<QMdiSubWindow> frame = qobject_cast<QMdiSubWindow*>(setup->parentWidget());
    ASSERT_NE(frame, nullptr);
    QAction* closeEntry = nullptr;
    for (QAction* entry : frame->systemMenu()->actions()) {
        EXPECT_NE(entry->text(), QMdiSubWindow::tr("&Size"));
        EXPECT_NE(entry->text(), QMdiSubWindow::tr("Stay on &Top"));
        if (entry->text() == QMdiSubWindow::tr("&Close")) closeEntry = entry;
    }
    ASSERT_NE(closeEntry, nullptr);
    ASSERT_TRUE(closeEntry->isVisible());
    closeEntry->trigger();
    EXPECT_EQ(app.form("frmB3Setup"), nullptr);
    AppHarness::processEvents();
    EXPECT_TRUE(frame.isNull());
    app.trigger("mnuSetup");
    EXPECT_NE(app.form("frmB3Setup"), nullptr);
}

TEST(MainWindow, LiveFormsGreyTheSixMainMenus)
{
    AppHarness app;
    const char* mainMenus[] = {"mnuFile", "mnuConnect", "mnuSetup", "mnuEdit", "mnuDocument", "mnuAbout"};
    DisableMainMenus();
    for (const char* name : mainMenus) EXPECT_FALSE(app.window().menuControl(name)->isEnabled()) << name;
    EXPECT_TRUE(app.window().menuControl("mnuNew")->isEnabled());
    EnableMainMenus();
    for (const char* name : mainMenus) EXPECT_TRUE(app.window().menuControl(name)->isEnabled()) << name;
    EXPECT_FALSE(app.window().menuControl("mnuRelayDrive")->isEnabled());
}

TEST(MainWindow, ExitWithChangesAnsweredNoThenYes)
{
    DialogRecorder dialogs;
    AppHarness app;
    bChanged = VbTrue;
    tConfig.iLatitude = 30;
    dialogs.answerMsgBox(vbNo);
    app.trigger("mnuExit");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, kDiscard);
    EXPECT_EQ(dialogs.messages[0].style, vbYesNo + vbQuestion);
    EXPECT_EQ(dialogs.messages[0].title, "OVK Brevantine 3");
    EXPECT_TRUE(windowOpen(app));
    EXPECT_EQ(tConfig.iLatitude, 30);
    EXPECT_EQ(bChanged, VbTrue);

    dialogs.answerMsgBox(vbYes);
    app.trigger("mnuExit");
    EXPECT_EQ(dialogs.messages.size(), 2u);          // no second question on the way out
    EXPECT_FALSE(windowOpen(app));
}

TEST(MainWindow, ClosingTheWindowAsksTheSameQuestion)
{
    ConnectFormProbe& connect = InstallFakeConnectForm();
    DialogRecorder dialogs;
    AppHarness app;
    bChanged = VbTrue;
    dialogs.answerMsgBox(vbNo);
    app.window().close();
    EXPECT_TRUE(windowOpen(app));
    EXPECT_EQ(bChanged, VbTrue);

    const int disconnectsBefore = connect.disconnects;
    dialogs.answerMsgBox(vbYes);
    app.window().close();
    EXPECT_EQ(dialogs.prompts(), (std::vector<std::string>{kDiscard, kDiscard}));
    EXPECT_FALSE(windowOpen(app));
    EXPECT_EQ(connect.disconnects, disconnectsBefore + 1);
    AppHarness::processEvents();
    EXPECT_EQ(app.form("frmB3Connect"), nullptr);
    EXPECT_EQ(app.form("frmB3About"), nullptr);
}

TEST(MainWindow, ClosingDuringAnExchangeCancelsItAndClosesWhenTheLinkIsIdle)
{
    ConnectFormProbe& connect = InstallFakeConnectForm();
    DialogRecorder dialogs;
    AppHarness app;
    connect.linkBusy = true;
    // With changes the question comes first, and No leaves the exchange alone.
    bChanged = VbTrue;
    dialogs.answerMsgBox(vbNo);
    app.window().close();
    EXPECT_EQ(connect.transferCancels, 0);
    dialogs.answerMsgBox(vbYes);
    app.window().close();
    EXPECT_EQ(dialogs.prompts(), (std::vector<std::string>{kDiscard, kDiscard}));
    EXPECT_TRUE(windowOpen(app));
    EXPECT_NE(app.form("frmB3Connect"), nullptr);
    EXPECT_EQ(connect.transferCancels, 1);
    QTest::qWait(120);
    EXPECT_TRUE(windowOpen(app));                    // still busy: still waiting

    connect.linkBusy = false;
    QTRY_VERIFY_WITH_TIMEOUT(!windowOpen(app), 2000);
    EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST(MainWindow, DimmerIndexOutsideTheTableIsReported)
{
    DialogRecorder dialogs;
    AppHarness app;
    DimGetWord(6156);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].prompt, "6156");
    EXPECT_EQ(dialogs.messages[0].style, vbOKOnly);
    EXPECT_EQ(dialogs.messages[0].title, "OVK Brevantine 3");
}

} // namespace
