// The open and save dialogs type every entry from its name alone. Qt's own provider
// opens a file whose name says nothing to sniff its contents; a read that never
// returns (/proc/kmsg) or crawls (a slow network share) would freeze the tool.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/commonFileDialog.h"

namespace {

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

} // namespace

TEST(CommonDialog, TypesEntriesByNameWithoutReadingThem)
{
    QTemporaryDir folder;
    const QByteArray pngHeader("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    writeFile(folder.filePath("picture"), pngHeader);
    writeFile(folder.filePath("x.png"), "plain text, no picture\n");
    writeFile(folder.filePath("x.B3"), pngHeader);
    ASSERT_TRUE(QDir(folder.path()).mkdir("Documentation"));

    const CommonDialogCall saveAs{true, "Brevantine 3 Files (*.B3)|*.B3", cdlOFNOverwritePrompt, "", "Save As"};
    const CommonFileDialog window(saveAs, nullptr);
    const QAbstractFileIconProvider* provider = window.dialog.iconProvider();
    ASSERT_NE(provider, nullptr);
    const auto typeOf = [&](const char* name) {
        const QFileInfo entry(folder.filePath(name));
        EXPECT_FALSE(provider->icon(entry).isNull()) << name;
        return provider->type(entry).toStdString();
    };

    // "picture" and "x.B3" hold a PNG header and "x.png" holds text: names decide.
    const std::string png = QMimeDatabase().mimeTypeForName("image/png").comment().toStdString();
    EXPECT_NE(typeOf("picture"), png);
    EXPECT_EQ(typeOf("x.png"), png);
    const std::string dataFile = typeOf("x.B3");
    EXPECT_FALSE(dataFile.empty());
    EXPECT_NE(dataFile, png);
    const QFileInfo documentation(folder.filePath("Documentation"));
    EXPECT_EQ(typeOf("Documentation"), QFileIconProvider().type(documentation).toStdString());
}
