#include "platform/nameOnlyIconProvider.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QMimeType>

namespace {

// The name-only lookup on a bare name: the file-info overload would still stat the
// path, and a name never touches the disk.
QMimeType mimeTypeOfName(const QFileInfo& file)
{
    return QMimeDatabase().mimeTypeForFile(file.fileName(), QMimeDatabase::MatchExtension);
}

} // namespace

QIcon NameOnlyIconProvider::icon(const QFileInfo& info) const
{
    if (info.isFile()) {
        const QMimeType mimeType = mimeTypeOfName(info);
        return QIcon::fromTheme(mimeType.iconName(), QIcon::fromTheme(mimeType.genericIconName(), icon(File)));
    }
    if (info.isDir()) return icon(info.isRoot() ? Drive : Folder);
    // Devices, pipes and dangling links: the style has no icon for them either.
    return {};
}

QString NameOnlyIconProvider::type(const QFileInfo& info) const
{
    // Qt names drives, folders, links and special files from the directory entry; only
    // a regular file would have it open the file.
    if (!info.isFile()) return QFileIconProvider::type(info);
    const QMimeType mimeType = mimeTypeOfName(info);
    return mimeType.comment().isEmpty() ? mimeType.name() : mimeType.comment();
}
