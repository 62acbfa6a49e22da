#pragma once

#include <QString>

#include <string_view>

// The program's texts stand in plain C++ tables as UTF-8; the screens show them as QString.
inline QString tableText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
