#include "platform/commonDialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "platform/commonFileDialog.h"
#include "platform/latin1.h"

namespace {

CommonDialogResponder& installedResponder()
{
    static CommonDialogResponder responder;
    return responder;
}

// "Name (*.B3)|*.B3|All Files (*.*)|*.*" -> Qt's ";;"-separated name filters.
QString qtFilterOf(const std::string& filter)
{
    const QStringList parts = toQ(filter).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        // A name that shows its patterns already, as "Data Files (*.B3)", stays as it is.
        if (parts[i].endsWith('(' + parts[i + 1] + ')')) {
            filters << parts[i];
            continue;
        }
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        filters << parts[i] + " (" + patterns + ")";
    }
    return filters.join(";;");
}

// Where the last dialog was left, as the system dialog remembers it: a dialog that
// starts with no name opens there rather than in the working directory.
QString& lastDirectory()
{
    static QString directory;
    return directory;
}

// Paths are kept as the file system's bytes; names and filters are Latin-1 text. A
// full file name is passed whole: the dialog opens its folder and offers the name.
QString startDirectory(const CommonDialogCall& call)
{
    const QString start = QFile::decodeName(call.fileName.c_str());
    if (start.isEmpty()) return lastDirectory();
    if (start.contains('*')) return QFileInfo(start).absolutePath();
    return start;
}

std::string showRealDialog(const CommonDialogCall& call)
{
    CommonFileDialog window(call, QApplication::activeWindow());
    QFileDialog& dialog = window.dialog;
    const bool accepted = dialog.exec() == QDialog::Accepted;
    lastDirectory() = dialog.directory().absolutePath();
    if (!accepted || dialog.selectedFiles().isEmpty()) return call.fileName;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

} // namespace

CommonFileDialog::CommonFileDialog(const CommonDialogCall& call, QWidget* parent)
    : dialog(parent, toQ(call.title), startDirectory(call), qtFilterOf(call.filter))
{
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // Set before control returns to the event loop: the model types the entries of a
    // folder only when the listing arrives through it.
    dialog.setIconProvider(&iconProvider);
    if (call.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, (call.flags & cdlOFNOverwritePrompt) == 0);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
    }
    if (call.flags & cdlOFNFileMustExist) dialog.setFileMode(QFileDialog::ExistingFile);
}

void SetCommonDialogResponder(CommonDialogResponder responder) { installedResponder() = std::move(responder); }

void CommonDialog::ShowOpen() { run(false); }
void CommonDialog::ShowSave() { run(true); }

void CommonDialog::run(bool save)
{
    const CommonDialogCall call{save, Filter, Flags, FileName, DialogTitle};
    FileName = installedResponder() ? installedResponder()(call) : showRealDialog(call);
}
