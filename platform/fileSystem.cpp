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

void DeleteFileIfExists(const std::string& path)
{
    const QString file = QFile::decodeName(path.c_str());
    if (QFileInfo::exists(file)) QFile::remove(file);
}
