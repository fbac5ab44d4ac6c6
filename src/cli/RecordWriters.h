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
    // appendText's bytes of an ASCII text without the encoder, unless a character is beyond
    // ASCII or one that `stop` names: then false, and nothing appended. Also false while the
    // encoder keeps the end of the last text for the next one.
    template <typename Stop>
    bool appendAsciiUntil(QStringView text, Stop stop)
    {
        if (m_encoder.keepsPart())
            return false;
        char *out = reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c >= 0x80 || stop(c))
                return false;
            out[i] = char(c);
        }
        m_used += text.size();
        return true;
    }
    void appendBytes(QByteArrayView bytes);
    void appendByte(char byte)
    {
        *reserve(1) = byte;
        ++m_used;
    }
    // Ends a record: writes the block once it is full.
    void endRecord();

private:
    // Room for `size` more bytes, where the next ones go.
    char *reserve(qsizetype size)
    {
        if (m_used + size > m_block.size())
            grow(size);
        return m_block.data() + m_used;
    }
    void grow(qsizetype size);

    QIODevice &m_device;
    QByteArray m_block;  // its first m_used bytes are the output gathered
    qsizetype m_used = 0;
    // The UTF-8 encoder, which tells when it keeps the end of a text (a surrogate) to go with the
    // text that follows.
    class Utf8Encoder : public QStringEncoder
    {
    public:
        Utf8Encoder() : QStringEncoder(QStringEncoder::Utf8) {}
        bool keepsPart() const { return state.remainingChars != 0; }
    };
    Utf8Encoder m_encoder;
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
