#pragma once
// Icons and type names for the file dialogs, taken from each entry's name alone.
//
// Qt's own provider asks the MIME database for a file's type, and the database opens
// any file whose name says nothing and reads its first bytes; under a GNOME or KDE
// theme the icon lookup does the same. The dialog's model asks in the UI thread, so a
// read that never returns (/proc/kmsg) froze the whole tool, and a folder on a slow
// network share crawled. Here a file is typed by its extension and nothing is opened.

#include <QFileIconProvider>

class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
