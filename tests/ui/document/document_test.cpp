// The Document dialog driven through its widgets: section boxes and their memory,
// Browse, writing the file, and a path that cannot be written.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "core/dataFolder.h"
#include "core/modB3Glimwarden.h"
#include "document/frmB3Document.h"
#include "platform/childFormRegistry.h"
#include "platform/latin1.h"
#include "support/dialogRecorder.h"

namespace {

class DocumentFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetDefaultSettings();
        sFileName = kNoFileName;
        sSoftwareVersion = "Version 1.02";
        bChanged = VbFalse;
    }
    void TearDown() override { close(); }

    frmB3Document* open()
    {
        auto* form = dynamic_cast<frmB3Document*>(childForms::show(QStringLiteral("frmB3Document")));
        EXPECT_NE(form, nullptr);
        return form;
    }
    void close()
    {
        childForms::unload(QStringLiteral("frmB3Document"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static void clickBox(QCheckBox* box) { QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(8, box->height() / 2)); }

    QString tempPath(const char* name) const { return dir.path() + "/" + name; }

    static QByteArray readAll(const QString& path)
    {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        return file.readAll();
    }

    QTemporaryDir dir;
    DialogRecorder recorder;
};

} // namespace

TEST_F(DocumentFormTest, SectionBoxesAreRememberedBetweenOpenings)
{
    frmB3Document* form = open();
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Document");
    EXPECT_EQ(form->lblDocFileName->caption(), toQ(DefaultDocFilePath()));
    // Too long for the label, the path keeps its start and its file name in sight.
    EXPECT_TRUE(form->lblDocFileName->text().startsWith(toQ(DefaultDocFilePath()).left(4)));
    EXPECT_TRUE(form->lblDocFileName->text().endsWith("Brevantine 3.txt"));
    EXPECT_EQ(form->lblDocFileName->toolTip(), toQ(DefaultDocFilePath()));
    EXPECT_EQ(form->chkPrintOptions[0]->text(), "Panel Settings");
    EXPECT_EQ(form->chkPrintOptions[9]->text(), "Off Hours Sweeps Schedule");
    for (int i = 0; i < 12; ++i) EXPECT_TRUE(form->chkPrintOptions[i]->isVisible()) << i;
    EXPECT_FALSE(form->chkPrintOptions[12]->isVisible());

    clickBox(form->chkPrintOptions[3]);
    clickBox(form->chkPrintOptions[11]);
    EXPECT_EQ(form->chkPrintOptions[3]->Value(), 0);
    EXPECT_EQ(iDocExclude[3], -1);
    EXPECT_EQ(iDocExclude[11], -1);
    clickBox(form->chkPrintOptions[11]);
    EXPECT_EQ(iDocExclude[11], 0);
    EXPECT_EQ(bChanged, VbFalse);

    close();
    form = open();
    EXPECT_EQ(form->chkPrintOptions[3]->Value(), 0);
    EXPECT_EQ(form->chkPrintOptions[2]->Value(), 1);
    EXPECT_EQ(form->chkPrintOptions[11]->Value(), 1);

    // A reset to defaults ticks every box again at the next opening.
    close();
    SetDefaultSettings();
    form = open();
    EXPECT_EQ(form->chkPrintOptions[3]->Value(), 1);
}

TEST_F(DocumentFormTest, DmxBoxShowsWithTheDmxModuleAndStartsTickedOnEveryLoad)
{
    tConfig.iAddOnModule = 1;
    frmB3Document* form = open();
    ASSERT_TRUE(form->chkPrintOptions[12]->isVisible());
    EXPECT_EQ(form->chkPrintOptions[12]->text(), "DMX Schedule");
    clickBox(form->chkPrintOptions[12]);
    EXPECT_EQ(iDocExclude[12], -1);

    close();
    form = open();
    EXPECT_EQ(form->chkPrintOptions[12]->Value(), 1);

    // Only the DMX box ticked: the file holds the DMX section alone.
    for (int i = 0; i < 12; ++i) clickBox(form->chkPrintOptions[i]);
    form->lblDocFileName->setCaption(tempPath("dmx.txt"));
    QTest::mouseClick(form->cmdDocument, Qt::LeftButton);
    const QByteArray bytes = readAll(tempPath("dmx.txt"));
    EXPECT_TRUE(bytes.contains("\r\n[DMX Schedule]\r\nRelay Number\tRelay Name\tDMX Channel\r\n01\tRELAY 01\tNone\r\n"));
    EXPECT_FALSE(bytes.contains("[Panel Settings]"));
}

TEST_F(DocumentFormTest, BrowseAcceptsNewNamesAndAsksBeforeOverwriting)
{
    frmB3Document* form = open();
    // The dialog hands back the file system's bytes of a name that is not Latin-1.
    const QString newName = tempPath("B\u00fcro \u017dilina.txt");
    const std::string chosen = QFile::encodeName(newName).toStdString();
    recorder.answerFileDialog(chosen);
    QTest::mouseClick(form->cmdBrowse, Qt::LeftButton);
    ASSERT_EQ(recorder.fileDialogs.size(), 1u);
    EXPECT_TRUE(recorder.fileDialogs[0].save);
    EXPECT_EQ(recorder.fileDialogs[0].filter, "Brevantine 3 Document Files (*.TXT)|*.TXT|All Files (*.*)|*.*");
    EXPECT_EQ(recorder.fileDialogs[0].fileName, DocumentationFolderPath() + "/*.TXT");
    EXPECT_EQ(recorder.fileDialogs[0].flags & cdlOFNFileMustExist, 0);
    EXPECT_NE(recorder.fileDialogs[0].flags & cdlOFNOverwritePrompt, 0);
    EXPECT_EQ(form->lblDocFileName->caption(), newName);
    EXPECT_EQ(sDocFile, chosen);

    // The dialog keeps the last name; cancelling leaves the path as it is.
    QTest::mouseClick(form->cmdBrowse, Qt::LeftButton);
    ASSERT_EQ(recorder.fileDialogs.size(), 2u);
    EXPECT_EQ(recorder.fileDialogs[1].fileName, chosen);
    EXPECT_EQ(sDocFile, chosen);

    // The document goes to the very file that was chosen.
    QTest::mouseClick(form->cmdDocument, Qt::LeftButton);
    EXPECT_EQ(recorder.prompts(), std::vector<std::string>{"Documentation Complete."});
    EXPECT_TRUE(QFile::exists(newName));

    // The starting mask is given once per run; a cancel on it changes nothing.
    close();
    sDocFile = DefaultDocFilePath();
    form = open();
    QTest::mouseClick(form->cmdBrowse, Qt::LeftButton);
    EXPECT_NE(recorder.fileDialogs.back().fileName, DocumentationFolderPath() + "/*.TXT");
    EXPECT_EQ(sDocFile, DefaultDocFilePath());
    EXPECT_EQ(form->lblDocFileName->caption(), toQ(DefaultDocFilePath()));
}

// Cancelled, the first dialog of the run hands back its starting mask: no path.
TEST_F(DocumentFormTest, CancellingTheFirstBrowseKeepsThePath)
{
    frmB3Document* form = open();
    recorder.cancelFileDialog();
    QTest::mouseClick(form->cmdBrowse, Qt::LeftButton);
    ASSERT_EQ(recorder.fileDialogs.size(), 1u);
    EXPECT_EQ(recorder.fileDialogs[0].fileName, DocumentationFolderPath() + "/*.TXT");
    EXPECT_EQ(sDocFile, DefaultDocFilePath());
    EXPECT_EQ(form->lblDocFileName->caption(), toQ(DefaultDocFilePath()));
}

TEST_F(DocumentFormTest, CreateWritesTheWholeFileAndOverwritesWithoutAsking)
{
    ASSERT_TRUE(QDir().mkpath(toQ(DocumentationFolderPath())));
    frmB3Document* form = open();
    QTest::mouseClick(form->cmdDocument, Qt::LeftButton);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0].prompt, "Documentation Complete.");
    EXPECT_EQ(recorder.messages[0].style, vbOKOnly);
    EXPECT_EQ(recorder.messages[0].title, "OVK Brevantine 3");

    const QByteArray bytes = readAll(toQ(DefaultDocFilePath()));
    EXPECT_TRUE(bytes.startsWith("[OVK Brevantine 3 Configuration Documentation File]\r\n"
                                 "Host Software\tVersion 1.02\r\n"
                                 "Brevantine 3 File Name\tNone\r\n"
                                 "Document Created\t"));
    const QRegularExpression stamp("Document Created\t[01]\\d:[0-5]\\d [AP]M [01]\\d/[0-3]\\d/\\d{4}\r\n\\[Panel Settings\\]");
    EXPECT_TRUE(stamp.match(QString::fromLatin1(bytes)).hasMatch());
    EXPECT_TRUE(bytes.endsWith("\r\n[Dimmer Outputs]\r\n[End Of File]\r\n"));
    EXPECT_EQ(bytes.count("\r\n"), bytes.count("\n"));

    // A second run replaces the file with no question and follows the boxes.
    for (int i = 0; i < 12; ++i) clickBox(form->chkPrintOptions[i]);
    sFileName = "/data/Lobby.B3";
    QTest::mouseClick(form->cmdDocument, Qt::LeftButton);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_EQ(recorder.messages[1].prompt, "Documentation Complete.");
    const QByteArray second = readAll(toQ(DefaultDocFilePath()));
    EXPECT_EQ(second.count("\r\n"), 5);
    EXPECT_TRUE(second.contains("Brevantine 3 File Name\t/data/Lobby.B3\r\n"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(bChanged, VbFalse);
}

TEST_F(DocumentFormTest, UnwritablePathIsNamedAndNothingElseChanges)
{
    QDir(toQ(DocumentationFolderPath())).removeRecursively();
    tConfig.sRelayName[0] = "STAGE";
    const PanelConfig configBefore = tConfig;
    frmB3Document* form = open();

    // The documentation folder is missing.
    QTest::mouseClick(form->cmdDocument, Qt::LeftButton);
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_NE(recorder.messages[0].prompt.find(DefaultDocFilePath()), std::string::npos);
    EXPECT_NE(recorder.messages[0].prompt, "Documentation Complete.");
    EXPECT_EQ(recorder.messages[0].style, vbOKOnly + vbExclamation);
    EXPECT_FALSE(QFile::exists(toQ(DefaultDocFilePath())));

    // A folder where the file should be.
    const std::string folder = fromQ(dir.path());
    recorder.answerFileDialog(folder);
    QTest::mouseClick(form->cmdBrowse, Qt::LeftButton);
    QTest::mouseClick(form->cmdDocument, Qt::LeftButton);
    ASSERT_EQ(recorder.messages.size(), 2u);
    EXPECT_NE(recorder.messages[1].prompt.find(folder), std::string::npos);
    EXPECT_NE(recorder.messages[1].prompt, "Documentation Complete.");

    EXPECT_TRUE(tConfig == configBefore);
    EXPECT_EQ(bChanged, VbFalse);
    EXPECT_EQ(sDocFile, folder);
    EXPECT_TRUE(form->isVisible());
}
