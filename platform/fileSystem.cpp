#include "platform/fileSystem.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool PathExists(const std::string& path) { return QFileInfo::exists(QFile::decodeName(path.c_str())); }

void CreateFolderIfMissing(const std::string& path)
{
    const QString folder = QFile::decodeName(path.c_str());
    if (!QFileInfo::exists(folder)) QDir().mkdir(folder);
}

void DeleteFileAnyCase(const std::string& path)
{
    const QFileInfo file(QFile::decodeName(path.c_str()));
    const QDir folder = file.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (name.compare(file.fileName(), Qt::CaseInsensitive) == 0) QFile::remove(folder.filePath(name));
    }
}
