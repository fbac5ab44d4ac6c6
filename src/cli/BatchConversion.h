#pragma once

#include <QString>

#include <functional>

class QIODevice;
class RecordWriter;

// The batch: listings read row by row from CSV and written out in the same order, each row as its
// input columns followed by the fee columns. The calling thread reads and writes; the rows are
// worked out on other threads, a few thousand rows (or a few hundred KiB) at a time, so that
// memory stays the same whatever the length of the input.
//
// The header row names the columns, each a field of ListingFields; a name that is no field, or
// a field named twice, stops the batch before any row. A row that cannot be read or worked out
// is reported as "line L, column C: message" and written with empty fee columns; the other rows
// are worked out as if it were not there.
namespace BatchConversion {

enum class Result {
    Complete,    // every row worked out
    RowsFailed,  // the output is complete, but some rows have no fees
    Stopped,     // the header or the input could not be read, or the output not written
};

using MessageSink = std::function<void(const QString &)>;

Result Convert(QIODevice &input, RecordWriter &writer, const MessageSink &message);

} // namespace BatchConversion
