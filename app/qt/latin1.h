// The window shows the program's byte strings as Latin-1 text.
#pragma once

#include <QString>

#include <string>
#include <string_view>

inline QString fromLatin1(std::string_view bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Characters beyond Latin-1 become "?".
inline std::string toLatin1(const QString& text)
{
    return text.toLatin1().toStdString();
}
