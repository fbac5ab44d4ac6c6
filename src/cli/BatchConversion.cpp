#include "BatchConversion.h"

#include "CsvReader.h"
#include "ListingComputation.h"
#include "ListingFields.h"
#include "RecordWriters.h"

#include <QStringList>
#include <QThread>

#include <algorithm>
#include <deque>
#include <future>
#include <memory>
#include <vector>

namespace BatchConversion {

namespace {

using ListingFields::Field;
using ListingComputation::FeeColumnCount;

QString at(qint64 line, int column)
{
    return column > 0 ? QStringLiteral("line %1, column %2: ").arg(line).arg(column)
                      : QStringLiteral("line %1: ").arg(line);
}

// The columns of the header as fields; false with a message when one names no field or a
// field already named.
bool readHeader(const CsvRecord &header, QList<Field> &fields, QString &error)
{
    if (header.ErrorColumn > 0) {
        error = at(header.Line, header.ErrorColumn) + header.Error;
        return false;
    }
    for (qsizetype i = 0; i < header.Fields.size(); ++i) {
        const QString &name = header.Fields[i];
        const int field = ListingFields::FieldOfName(name);
        if (field < 0) {
            error = at(header.Line, int(i) + 1) + QStringLiteral("unknown column \"%1\"").arg(name);
            return false;
        }
        if (fields.contains(Field(field))) {
            error = at(header.Line, int(i) + 1) + QStringLiteral("column \"%1\" named twice").arg(name);
            return false;
        }
        fields.append(Field(field));
    }
    return true;
}

// The row's fees, or false with the message for the row.
bool computeRow(const CsvRecord &row, const QList<Field> &fields, ListingComputation::FeeTexts &fees,
                QString &message)
{
    if (row.ErrorColumn > 0) {
        message = at(row.Line, row.ErrorColumn) + row.Error;
        return false;
    }
    if (row.Fields.size() != fields.size()) {
        const int column = int(std::min(row.Fields.size(), fields.size())) + 1;
        message = at(row.Line, column)
                  + QStringLiteral("the row has %1 fields, the header %2").arg(row.Fields.size()).arg(fields.size());
        return false;
    }
    ListingRequest request;
    Field failed = Field::Site;
    QString error;
    if (!ListingFields::ReadRequest(fields, row.Fields, request, failed, error)) {
        message = at(row.Line, int(fields.indexOf(failed)) + 1) + error;
        return false;
    }
    fees = ListingComputation::ComputeFees(request);
    return true;
}

// Rows go through in batches: the reading and writing thread hands each batch to a thread of its
// own to be worked out, and writes the batches out in their order, so that the rows are worked
// out on every core while memory holds no more than a few batches.
constexpr qsizetype BatchRows = 2048;
constexpr qsizetype BatchBytes = 256 * 1024;  // however long the rows

// A batch written out is read into again: its records keep the storage of their fields.
struct RowBatch
{
    QList<CsvRecord> Rows;  // the first Count of them are the batch's
    qsizetype Count = 0;
    QList<ListingComputation::FeeTexts> Fees;
    QStringList Messages;  // per row: "" when its fees were worked out
};

void computeBatch(RowBatch &batch, const QList<Field> &fields)
{
    const qsizetype count = batch.Count;
    batch.Fees.resize(count);
    batch.Messages.resize(count);
    for (qsizetype row = 0; row < count; ++row) {
        batch.Messages[row].clear();
        if (!computeRow(batch.Rows[row], fields, batch.Fees[row], batch.Messages[row]))
            batch.Fees[row] = {};
    }
}

// Reads up to a batch of rows; false when the input has ended.
bool readBatch(CsvReader &reader, RowBatch &batch)
{
    batch.Count = 0;
    qsizetype bytes = 0;
    while (batch.Count < BatchRows && bytes < BatchBytes) {
        if (batch.Count == batch.Rows.size())
            batch.Rows.emplaceBack();
        CsvRecord &record = batch.Rows[batch.Count];
        if (!reader.readRecord(record))
            return false;
        bytes += record.Bytes;
        ++batch.Count;
    }
    return true;
}

} // namespace

Result Convert(QIODevice &input, RecordWriter &writer, const MessageSink &message)
{
    CsvReader reader(input);
    CsvRecord header;
    if (!reader.readRecord(header)) {
        message(reader.fatalError().isEmpty() ? QStringLiteral("the input has no header row") : reader.fatalError());
        return Result::Stopped;
    }
    QList<Field> fields;
    QString error;
    if (!readHeader(header, fields, error)) {
        message(error);
        return Result::Stopped;
    }
    QStringList names = header.Fields;
    for (int column = 0; column < FeeColumnCount; ++column)
        names.append(QLatin1String(ListingComputation::Info(ListingComputation::FeeColumn(column)).Name));
    writer.writeHeader(names);

    // One batch worked out per core while this thread reads and writes.
    const qsizetype depth = std::max(2, QThread::idealThreadCount());
    std::deque<std::pair<std::unique_ptr<RowBatch>, std::future<void>>> pending;
    std::vector<std::unique_ptr<RowBatch>> written;
    bool rowsFailed = false;
    bool reading = true;
    while (reading || !pending.empty()) {
        if (reading && qsizetype(pending.size()) < depth) {
            std::unique_ptr<RowBatch> batch;
            if (written.empty()) {
                batch = std::make_unique<RowBatch>();
                batch->Rows.reserve(BatchRows);
            } else {
                batch = std::move(written.back());
                written.pop_back();
            }
            reading = readBatch(reader, *batch);
            if (batch->Count > 0) {
                RowBatch *rows = batch.get();
                pending.emplace_back(std::move(batch), std::async(std::launch::async, [rows, &fields] {
                                         computeBatch(*rows, fields);
                                     }));
            }
            continue;
        }
        auto &[batch, computed] = pending.front();
        computed.wait();
        for (qsizetype row = 0; row < batch->Count && !writer.failed(); ++row) {
            if (!batch->Messages[row].isEmpty()) {
                message(batch->Messages[row]);
                rowsFailed = true;
            }
            // As many input columns as the header names, whatever the row held.
            QList<QString> &values = batch->Rows[row].Fields;
            values.resize(fields.size());
            writer.writeRow(values, batch->Fees[row]);
        }
        written.push_back(std::move(batch));
        pending.pop_front();
        if (writer.failed())
            reading = false;
    }
    if (!reader.fatalError().isEmpty()) {
        message(reader.fatalError());
        return Result::Stopped;
    }
    if (!writer.flush()) {
        message(QStringLiteral("cannot write the output: %1").arg(writer.errorString()));
        return Result::Stopped;
    }
    return rowsFailed ? Result::RowsFailed : Result::Complete;
}

} // namespace BatchConversion
