#pragma once

#include <QByteArray>
#include <QString>
#include <QStringEncoder>
#include <QStringList>

#include <span>

class QIODevice;

// The batch's output, one record at a time: a header naming the columns, then rows of as many
// texts (given in two parts: the input's columns and the fees). Output is gathered in a block
// and written as the block fills, so a write error shows at the latest in flush().
class RecordWriter
{
public:
    explicit RecordWriter(QIODevice &device);
    virtual ~RecordWriter() = default;

    virtual void writeHeader(const QStringList &names) = 0;
    virtual void writeRow(std::span<const QString> values, std::span<const QString> moreValues) = 0;
    // Writes what is gathered; false (with errorString()) when the device took less.
    bool flush();
    bool failed() const { return m_failed; }
    QString errorString() const;

protected:
    void appendText(QStringView text);
    void appendBytes(QByteArrayView bytes);
    // Ends a record: writes the block once it is full.
    void endRecord();

private:
    char *reserve(qsizetype size);

    QIODevice &m_device;
    QByteArray m_block;  // its first m_used bytes are the output gathered
    qsizetype m_used = 0;
    QStringEncoder m_encoder{QStringEncoder::Utf8};
    bool m_failed = false;
};

// RFC 4180: fields separated by commas, records ended by CRLF, a field quoted (with its quotes
// doubled) when it holds a comma, a quote or a line break.
class CsvWriter : public RecordWriter
{
public:
    using RecordWriter::RecordWriter;
    void writeHeader(const QStringList &names) override;
    void writeRow(std::span<const QString> values, std::span<const QString> moreValues) override;

private:
    void appendField(const QString &field);
    bool m_firstField = true;
};

// JSON Lines: each row one compact JSON object of strings keyed by the header's names.
class JsonLinesWriter : public RecordWriter
{
public:
    using RecordWriter::RecordWriter;
    void writeHeader(const QStringList &names) override;
    void writeRow(std::span<const QString> values, std::span<const QString> moreValues) override;

private:
    QStringList m_names;
};
