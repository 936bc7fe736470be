#include "platform/commonDialog.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

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

std::string showRealDialog(const CommonDialogCall& call)
{
    // Paths are kept as the file system's bytes; names and filters are Latin-1 text.
    const QString start = QFile::decodeName(call.fileName.c_str());
    QFileInfo startInfo(start);
    QString directory = start;
    if (start.isEmpty()) directory = lastDirectory();
    else if (start.contains('*')) directory = startInfo.absolutePath();
    QFileDialog dialog(QApplication::activeWindow(), toQ(call.title), directory, qtFilterOf(call.filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (call.save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, (call.flags & cdlOFNOverwritePrompt) == 0);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
    }
    if (call.flags & cdlOFNFileMustExist) dialog.setFileMode(QFileDialog::ExistingFile);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    lastDirectory() = dialog.directory().absolutePath();
    if (!accepted || dialog.selectedFiles().isEmpty()) return call.fileName;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

} // namespace

void SetCommonDialogResponder(CommonDialogResponder responder) { installedResponder() = std::move(responder); }

void CommonDialog::ShowOpen() { run(false); }
void CommonDialog::ShowSave() { run(true); }

void CommonDialog::run(bool save)
{
    const CommonDialogCall call{save, Filter, Flags, FileName, DialogTitle};
    FileName = installedResponder() ? installedResponder()(call) : showRealDialog(call);
}
