#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QTimer>

#include "core/dataFile.h"
#include "core/dataFolder.h"
#include "core/modB3Glimwarden.h"
#include "platform/childForm.h"
#include "shell/frmB3MasterMDI.h"
#include "shell/mainServices.h"
#include "support/appHarness.h"
#include "support/dialogRecorder.h"
#include "support/fakeConnectForm.h"

namespace {

const std::string kDiscard = "Discard Any Changes?";

std::string dataPath(const std::string& name) { return DataFolderPath() + "/" + name; }

qint64 fileSize(const std::string& path) { return QFileInfo(QString::fromStdString(path)).size(); }

// A data file on disk whose latitude tells it apart from the defaults.
std::string savedFileWithLatitude(const std::string& name, int16_t latitude)
{
    const PanelConfig current = tConfig;
    tConfig.iLatitude = latitude;
    const std::string path = dataPath(name);
    EXPECT_TRUE(WriteDataFile(path));
    tConfig = current;
    return path;
}

// The dialog the user sees, not a recorded call: each filter names its patterns once.
TEST(FileCommands, TheOpenDialogOffersDataFilesAndAllFiles)
{
    AppHarness app;
    QStringList filters;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            filters = dialog->nameFilters();
            dialog->reject();
        }
    });
    watch.start(10);
    app.trigger("mnuOpen");
    EXPECT_EQ(filters, (QStringList{"Brevantine 3 Data Files (*.B3)", "All Files (*.*)"}));
}

TEST(FileCommands, NewAsksWhileChangedAndResetsOnYes)
{
    ConnectFormProbe& connect = InstallFakeConnectForm();
    DialogRecorder dialogs;
    AppHarness app;
    app.trigger("mnuNew");                               // nothing changed: no question
    EXPECT_TRUE(dialogs.messages.empty());

    tConfig.iLatitude = 30;
    bChanged = VbTrue;
    dialogs.answerMsgBox(vbNo);
    app.trigger("mnuNew");
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>{kDiscard});
    EXPECT_EQ(tConfig.iLatitude, 30);
    EXPECT_EQ(bChanged, VbTrue);

    app.trigger("mnuSetup");
    const int disconnectsBefore = connect.disconnects;
    dialogs.answerMsgBox(vbYes);
    app.trigger("mnuNew");
    AppHarness::processEvents();
    EXPECT_EQ(tConfig.iLatitude, 45);
    EXPECT_EQ(bChanged, VbFalse);
    EXPECT_EQ(sFileName, "None");
    EXPECT_EQ(connect.disconnects, disconnectsBefore + 1);
    EXPECT_EQ(app.form("frmB3Setup"), nullptr);
    EXPECT_NE(app.form("frmB3About"), nullptr);
}

TEST(FileCommands, SaveRightAfterStartupRunsSaveAsThenSavesWithoutDialog)
{
    ConnectFormProbe& connect = InstallFakeConnectForm();
    DialogRecorder dialogs;
    AppHarness app;
    const int disconnectsAtStart = connect.disconnects;
    const std::string path = dataPath("site.B3");
    dialogs.answerFileDialog(path);
    bChanged = VbTrue;
    app.trigger("mnuSave");
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    const CommonDialogCall& saveAs = dialogs.fileDialogs[0];
    EXPECT_TRUE(saveAs.save);
    EXPECT_EQ(saveAs.fileName, DataFolderPath() + "/*.B3");
    EXPECT_EQ(saveAs.filter, "Brevantine 3 Data Files (*.B3)|*.B3|All Files (*.*)|*.*");
    // A new name must be accepted; an existing one is confirmed by the dialog.
    EXPECT_EQ(saveAs.flags & cdlOFNFileMustExist, 0);
    EXPECT_NE(saveAs.flags & cdlOFNOverwritePrompt, 0);
    EXPECT_EQ(fileSize(path), 177010);
    EXPECT_EQ(sFileName, path);
    EXPECT_EQ(bChanged, VbFalse);
    EXPECT_EQ(app.statusPanel(1), " File Name: " + path);

    tConfig.sPanelName = "ABC";
    bChanged = VbTrue;
    app.trigger("mnuSave");
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_EQ(fileSize(path), 177013);
    EXPECT_EQ(bChanged, VbFalse);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(connect.disconnects, disconnectsAtStart);   // saving keeps the link
}

TEST(FileCommands, SaveAsStartsFromThePatternEveryTimeAndOverwrites)
{
    DialogRecorder dialogs;
    AppHarness app;
    const std::string first = savedFileWithLatitude("old.B3", 22);
    dialogs.cancelFileDialog();
    bChanged = VbTrue;
    app.trigger("mnuSaveAs");
    EXPECT_EQ(bChanged, VbTrue);                         // cancelled: nothing changes
    EXPECT_EQ(sFileName, "None");

    dialogs.answerFileDialog(first);
    app.trigger("mnuSaveAs");
    ASSERT_EQ(dialogs.fileDialogs.size(), 2u);
    EXPECT_EQ(dialogs.fileDialogs[1].fileName, DataFolderPath() + "/*.B3");
    EXPECT_EQ(sFileName, first);
    ASSERT_TRUE(ReadDataFile(first));
    EXPECT_EQ(tConfig.iLatitude, 45);                    // the old file was replaced
    EXPECT_TRUE(QDir(QString::fromStdString(DataFolderPath())).entryList({"old.B3?*"}).isEmpty());   // no temporary left
}

TEST(FileCommands, FailedSaveSaysSoAndKeepsTheChangedFlagAndFileName)
{
    DialogRecorder dialogs;
    AppHarness app;
    bChanged = VbTrue;
    dialogs.answerFileDialog(dataPath("missing folder/site.B3"));
    app.trigger("mnuSaveAs");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].prompt.find("could not be saved"), std::string::npos);
    EXPECT_EQ(dialogs.messages[0].style, vbExclamation);
    EXPECT_EQ(bChanged, VbTrue);
    EXPECT_EQ(sFileName, "None");
    EXPECT_EQ(app.statusPanel(1), " File Name: None");

    // Save to a file name that has become unwritable.
    const std::string path = dataPath("site.B3");
    dialogs.answerFileDialog(path);
    app.trigger("mnuSaveAs");
    ASSERT_EQ(sFileName, path);
    QDir(QString::fromStdString(DataFolderPath())).removeRecursively();
    bChanged = VbTrue;
    app.trigger("mnuSave");
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(bChanged, VbTrue);
    EXPECT_EQ(sFileName, path);
}

TEST(FileCommands, OpenStartsFromThePatternOnceAndReadsTheFile)
{
    ConnectFormProbe& connect = InstallFakeConnectForm();
    DialogRecorder dialogs;
    AppHarness app;
    const std::string path = savedFileWithLatitude("site.B3", 33);

    dialogs.cancelFileDialog();
    app.trigger("mnuOpen");
    EXPECT_TRUE(dialogs.messages.empty());               // nothing changed: no question
    ASSERT_EQ(dialogs.fileDialogs.size(), 1u);
    EXPECT_FALSE(dialogs.fileDialogs[0].save);
    EXPECT_EQ(dialogs.fileDialogs[0].fileName, DataFolderPath() + "/*.B3");
    EXPECT_EQ(dialogs.fileDialogs[0].flags, 0x1806);

    tConfig.iLatitude = 21;
    bChanged = VbTrue;
    dialogs.answerMsgBox(vbNo);
    app.trigger("mnuOpen");
    EXPECT_EQ(dialogs.fileDialogs.size(), 1u);           // No: no dialog
    dialogs.answerMsgBox(vbYes);
    dialogs.cancelFileDialog();
    app.trigger("mnuOpen");
    EXPECT_EQ(tConfig.iLatitude, 21);                    // Yes, then cancelled: unchanged
    EXPECT_EQ(bChanged, VbTrue);

    app.trigger("mnuSetup");
    const int disconnectsBefore = connect.disconnects;
    dialogs.answerMsgBox(vbYes);
    dialogs.answerFileDialog(path);
    app.trigger("mnuOpen");
    AppHarness::processEvents();
    ASSERT_EQ(dialogs.fileDialogs.size(), 3u);
    EXPECT_EQ(dialogs.fileDialogs[2].fileName, "");      // later opens start empty
    EXPECT_EQ(dialogs.prompts(), std::vector<std::string>(3, kDiscard));
    EXPECT_EQ(tConfig.iLatitude, 33);
    EXPECT_EQ(bChanged, VbFalse);
    EXPECT_EQ(sFileName, path);
    EXPECT_EQ(app.statusPanel(1), " File Name: " + path);
    EXPECT_EQ(connect.disconnects, disconnectsBefore + 1);
    EXPECT_EQ(app.form("frmB3Setup"), nullptr);
    EXPECT_NE(app.form("frmB3About"), nullptr);
}

TEST(FileCommands, DamagedFileKeepsTheConfigurationAndFileName)
{
    DialogRecorder dialogs;
    AppHarness app;
    const std::string good = savedFileWithLatitude("good.B3", 50);
    dialogs.answerFileDialog(good);
    app.trigger("mnuOpen");
    ASSERT_EQ(sFileName, good);

    const std::string damaged = dataPath("damaged.B3");
    {
        QFile file(QString::fromStdString(damaged));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100000, '\0'));            // ends inside the station records
    }
    tConfig.iLongitude = 99;
    bChanged = VbTrue;
    bConnected = VbTrue;
    UpdateStatusBar();
    dialogs.answerMsgBox(vbYes);
    dialogs.answerFileDialog(damaged);
    app.trigger("mnuOpen");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[1].prompt.find("damaged.B3"), std::string::npos);
    EXPECT_EQ(tConfig.iLatitude, 50);
    EXPECT_EQ(tConfig.iLongitude, 99);
    EXPECT_EQ(sFileName, good);
    EXPECT_EQ(bChanged, VbTrue);
    EXPECT_EQ(app.statusPanel(1), " File Name: " + good);
    EXPECT_EQ(app.statusPanel(2), "Disconnected");       // the link went down before the read
}

TEST(FileCommands, NetworkDiagnosticsOfferedOnlyWhileTheDiagnosticsFileIsOpen)
{
    ConnectFormProbe& connect = InstallFakeConnectForm();
    DialogRecorder dialogs;
    AppHarness app;
    const std::string upperCase = savedFileWithLatitude("HARROW 9 FIELDTESTS MODE.b3", 40);
    dialogs.answerFileDialog(upperCase);
    app.trigger("mnuOpen");
    EXPECT_EQ(connect.networkDiagnosticsVisible, true);

    const std::string other = savedFileWithLatitude("other.B3", 40);
    dialogs.answerFileDialog(other);
    app.trigger("mnuOpen");
    EXPECT_EQ(connect.networkDiagnosticsVisible, false);
}

} // namespace
