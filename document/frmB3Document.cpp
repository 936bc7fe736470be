#include "document/frmB3Document.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

#include "core/dataFolder.h"
#include "document/engine/documentWriter.h"
#include "platform/childFormRegistry.h"
#include "platform/msgBox.h"
#include "platform/twips.h"

B3_REGISTER_CHILD_FORM(frmB3Document)

namespace {

constexpr std::array<const char*, kDocSections> kSectionCaptions = {
    "Panel Settings",
    "Relay Schedule",
    "Group Schedule",
    "Local Input Schedule",
    "Tiverlink Input Schedule",
    "Local Input Pilot Schedule",
    "Tiverlink Pilot Schedule",
    "Timer Schedule",
    "Preset Schedule",
    "Off Hours Sweeps Schedule",
    "Open Close Times Schedule",
    "Dimmer Outputs",
    "DMX Schedule",
};
constexpr int kDmxBox = 12;
constexpr int kBoxesPerColumn = 7;

// The file dialog starts from the documentation folder only on the first Browse of
// the program run; later it keeps the name it was last given.
bool bBrowseMaskGiven = false;

std::string initialBrowseMask() { return DocumentationFolderPath() + "/*.TXT"; }

DocDateTime clockNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    return {now.date().year(), now.date().month(), now.date().day(), now.time().hour(), now.time().minute()};
}

// Paths are kept as the file system's bytes; the label shows them decoded.
QString pathText(const std::string& path) { return QFile::decodeName(path.c_str()); }

// Unticked box = section left out, as `iDocExclude` keeps it.
int16_t excludeFlagOf(const VbCheckBox* box) { return box->Value() != 0 ? VbFalse : VbTrue; }

// Written through a temporary file, so a failed write leaves any earlier document whole;
// in a folder that takes no new files the document is written in place, as long as the
// file itself may be written.
bool writeWholeFile(const QString& path, const std::string& bytes)
{
    if (path.isEmpty()) return false;
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

frmB3Document::frmB3Document() : ChildForm(QStringLiteral("frmB3Document"))
{
    setCaption(QStringLiteral("Document"));
    setTwipsSize(6255, 4440);

    lblFileName = placed(new VbLabel(this), 120, 120, 1095, 255);
    lblFileName->setCaption(QStringLiteral("Output File "));
    lblDocFileName = placed(new VbLabel(this), 1215, 120, 4920, 255);
    // A path is told apart by its file name and where it starts.
    lblDocFileName->setElideMode(Qt::ElideMiddle);
    lblDocFileName->setCaption(pathText(DefaultDocFilePath()));
    cmdBrowse = placed(new QPushButton(QStringLiteral("Browse"), this), 120, 480, 1215, 375);

    for (int i = 0; i < kDocSections; ++i) {
        auto* box = placed(new VbCheckBox(QString::fromLatin1(kSectionCaptions[static_cast<std::size_t>(i)]), this),
                           120 + (i / kBoxesPerColumn) * 3000, 1020 + (i % kBoxesPerColumn) * 360, 2895, 300);
        box->setValue(1);
        connect(box, &VbCheckBox::Click, this, [this, i] { chkPrintOptions_Click(i); });
        chkPrintOptions[static_cast<std::size_t>(i)] = box;
    }

    cmdDocument = placed(new QPushButton(QStringLiteral("Create Documentation File"), this), 120, 3720, 6015, 495);

    connect(cmdBrowse, &QPushButton::clicked, this, &frmB3Document::cmdBrowse_Click);
    connect(cmdDocument, &QPushButton::clicked, this, &frmB3Document::cmdDocument_Click);
}

void frmB3Document::Form_Activate()
{
    lblDocFileName->setCaption(pathText(sDocFile));
    // The DMX box is not restored from its switch: it starts ticked with every load.
    for (int i = 0; i < kDmxBox; ++i) chkPrintOptions[static_cast<std::size_t>(i)]->setValue(iDocExclude[static_cast<std::size_t>(i)] != 0 ? 0 : 1);
    chkPrintOptions[kDmxBox]->setVisible(tConfig.iAddOnModule == 1);
}

void frmB3Document::chkPrintOptions_Click(int Index)
{
    iDocExclude[static_cast<std::size_t>(Index)] = excludeFlagOf(chkPrintOptions[static_cast<std::size_t>(Index)]);
}

void frmB3Document::cmdBrowse_Click()
{
    cdDocFile.Filter = "Brevantine 3 Document Files (*.TXT)|*.TXT|All Files (*.*)|*.*";
    const std::string mask = initialBrowseMask();
    if (!bBrowseMaskGiven) {
        bBrowseMaskGiven = true;
        cdDocFile.FileName = mask;
    }
    // A new document needs a new name: the dialog must accept names that do not exist
    // yet, and asks before it lets an existing file be replaced.
    cdDocFile.Flags = cdlOFNOverwritePrompt | cdlOFNHideReadOnly | cdlOFNPathMustExist;
    cdDocFile.ShowSave();
    if (cdDocFile.FileName.empty() || cdDocFile.FileName == mask) return;
    lblDocFileName->setCaption(pathText(cdDocFile.FileName));
    sDocFile = cdDocFile.FileName;
}

void frmB3Document::cmdDocument_Click()
{
    DocumentRequest request;
    for (int i = 0; i < kDocSections; ++i)
        request.exclude[static_cast<std::size_t>(i)] = excludeFlagOf(chkPrintOptions[static_cast<std::size_t>(i)]);
    request.softwareVersion = sSoftwareVersion;
    request.dataFileName = sFileName;
    request.created = clockNow();

    const QString path = lblDocFileName->caption();
    if (!writeWholeFile(path, DocumentText(request))) {
        MsgBox("Unable To Write Documentation File " + QFile::encodeName(path).toStdString(), vbOKOnly + vbExclamation, kAppTitle);
        return;
    }
    MsgBox("Documentation Complete.", vbOKOnly, kAppTitle);
}
