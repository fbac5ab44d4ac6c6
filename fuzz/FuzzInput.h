#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

// The text of a fuzz input: its bytes as UTF-16 code units (an odd last byte left out) or as UTF-8.
inline QString InputText(const std::uint8_t *data, std::size_t size, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    std::vector<char16_t> units(size / 2);
    if (!units.empty())
        std::memcpy(units.data(), data, units.size() * sizeof(char16_t));
    return QString::fromUtf16(units.data(), qsizetype(units.size()));
}
