#pragma once

#include <string>

#include <QString>

// The core's text strings and Qt's are both UTF-16.
inline std::u16string toU16(const QString& text)
{
    return std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

inline QString toQString(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
