#pragma once

// A string table compiled into a program or a language library: ids with UTF-16 texts, sorted
// by id. Header only, so that a language library can use it without linking the program.

#include <QString>

#include <algorithm>
#include <iterator>
#include <string>

struct StringTableEntry
{
    qint32 id;
    const char16_t *text;
};

// The text of an id (sharing the table's storage), or a null QString when the table lacks it.
template <std::size_t Size>
QString LookUpString(const StringTableEntry (&table)[Size], qint32 id)
{
    const auto found = std::lower_bound(std::begin(table), std::end(table), id,
                                        [](const StringTableEntry &entry, qint32 wanted) { return entry.id < wanted; });
    if (found == std::end(table) || found->id != id)
        return QString();
    return QString::fromRawData(reinterpret_cast<const QChar *>(found->text),
                                qsizetype(std::char_traits<char16_t>::length(found->text)));
}
