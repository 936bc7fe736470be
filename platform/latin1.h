#pragma once
// Names and panel texts are 8-bit strings in the core; Qt shows them as Latin-1.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

inline QString toQ(const std::string& text) { return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())); }
inline std::string fromQ(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
inline QStringList toQList(const std::vector<std::string>& texts)
{
    QStringList list;
    for (const std::string& text : texts) list << toQ(text);
    return list;
}
