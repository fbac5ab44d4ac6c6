#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringDecoder>

class QIODevice;

// One record of a CSV text.
struct CsvRecord
{
    QList<QString> Fields;
    qint64 Line = 0;      // the line the record starts on, from 1
    qsizetype Bytes = 0;  // the bytes it takes in the input
    // The first field that could not be read as it stands (1-based; 0 = every field read), and why.
    int ErrorColumn = 0;
    QString Error;
};

// Reads CSV (RFC 4180) record by record from a device, holding no more than one record and one
// block of input: fields separated by commas, records ended by LF or CRLF, quoted fields with
// doubled quotes, separators and line breaks inside. The text is UTF-8 (a leading byte-order mark
// is skipped). Empty lines between records are skipped.
//
// A malformed field (a quote inside an unquoted field, text after a closing quote, a quote left
// open at the end, bytes that are no UTF-8) is kept as read and named in the record's error; the
// reader goes on with the next record. Only an unreadable device or a record beyond
// MaxRecordBytes (which a quote left open would otherwise make of the whole rest of the input)
// ends the reading with a fatal error.
class CsvReader
{
public:
    static constexpr qsizetype MaxRecordBytes = 64 * 1024;

    explicit CsvReader(QIODevice &device);

    // The next record; false at the end of the input or on a fatal error. The record's fields are
    // overwritten in place: a record read into again and again takes no new storage for fields
    // that fit where the last ones were.
    bool readRecord(CsvRecord &record);
    // "" unless the reading ended on a fatal error.
    const QString &fatalError() const { return m_fatalError; }

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted, AfterQuoted };

    bool refill();
    // Ends the field with its `rest` in the current block.
    void finishField(CsvRecord &record, QByteArrayView rest);
    void fieldError(CsvRecord &record, const QString &message) const;
    bool fail(const QString &message);

    QIODevice &m_device;
    QByteArray m_buffer;
    qsizetype m_position = 0;
    bool m_atEnd = false;
    bool m_skipLineFeed = false;  // a CR ended the last line; a LF right after it belongs to it
    bool m_startOfInput = true;
    qint64 m_line = 1;
    qsizetype m_lastFieldCount = 0;  // records are mostly alike: room for as many fields as the last
    qsizetype m_fieldCount = 0;      // of the record being read
    QByteArray m_field;
    QStringDecoder m_decoder{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};
    QString m_fatalError;
};
