#include "CsvReader.h"

#include <QIODevice>

#include <algorithm>

namespace {

constexpr qsizetype BlockSize = 64 * 1024;

bool endsUnquoted(char c)
{
    return c == ',' || c == '"' || c == '\r' || c == '\n';
}

} // namespace

CsvReader::CsvReader(QIODevice &device) : m_device(device) {}

bool CsvReader::refill()
{
    if (m_atEnd)
        return false;
    m_buffer.resize(BlockSize);
    const qint64 read = m_device.read(m_buffer.data(), BlockSize);
    if (read < 0) {
        m_buffer.clear();
        m_position = 0;
        m_atEnd = true;
        fail(QStringLiteral("cannot read the input: %1").arg(m_device.errorString()));
        return false;
    }
    m_buffer.resize(read);
    m_position = 0;
    if (read == 0) {
        m_atEnd = true;
        return false;
    }
    if (m_startOfInput) {
        m_startOfInput = false;
        if (m_buffer.startsWith("\xEF\xBB\xBF"))
            m_position = 3;
    }
    return true;
}

bool CsvReader::fail(const QString &message)
{
    if (m_fatalError.isEmpty())
        m_fatalError = message;
    return false;
}

void CsvReader::fieldError(CsvRecord &record, const QString &message) const
{
    if (record.ErrorColumn == 0) {
        record.ErrorColumn = int(m_fieldCount) + 1;
        record.Error = message;
    }
}

void CsvReader::finishField(CsvRecord &record, QByteArrayView rest)
{
    // A field read in one piece is taken from the block where it stands.
    QByteArrayView bytes = rest;
    if (!m_field.isEmpty()) {
        m_field.append(rest);
        bytes = m_field;
    }
    if (m_fieldCount == record.Fields.size())
        record.Fields.emplaceBack();
    QString &text = record.Fields[m_fieldCount];
    // Most fields are ASCII, which needs no decoding; assigned, it goes into the storage the
    // field of a record read before left.
    const bool ascii = std::all_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) < 0x80; });
    if (bytes.isEmpty()) {
        text.truncate(0);  // keeps the storage for the next record's field
    } else if (ascii) {
        text = QLatin1StringView(bytes);
    } else {
        text = m_decoder.decode(bytes);
        if (m_decoder.hasError()) {
            fieldError(record, QStringLiteral("the field is no UTF-8 text"));
            m_decoder.resetState();
        }
    }
    ++m_fieldCount;
    m_lastFieldCount = m_fieldCount;
    if (!m_field.isEmpty())
        m_field.resize(0);  // keeps its room for the next field split across blocks or quoted
}

bool CsvReader::readRecord(CsvRecord &record)
{
    // The fields are read over those the record holds, and the ones left over dropped at the end.
    m_fieldCount = 0;
    const auto done = [&](bool read) {
        record.Fields.resize(m_fieldCount);
        return read;
    };
    record.ErrorColumn = 0;
    record.Error.clear();
    if (!m_fatalError.isEmpty())
        return done(false);

    State state = State::FieldStart;
    bool started = false;  // the record has a character (an empty line has none)
    qsizetype recordBytes = 0;
    record.Line = m_line;
    record.Fields.reserve(std::min(m_lastFieldCount, qsizetype(256)));
    if (!m_field.isEmpty())
        m_field.resize(0);

    const auto tooLong = [&] {
        record.Bytes = recordBytes;
        return recordBytes > MaxRecordBytes
               && !fail(QStringLiteral("line %1: a record longer than %2 KiB (is a quote left open?)")
                            .arg(record.Line)
                            .arg(MaxRecordBytes / 1024));
    };
    // Ends the record at a line break, the last field's `rest` before it; false when the line
    // was empty and the next one is read.
    const auto endOfLine = [&](char c, QByteArrayView rest) {
        ++m_position;
        ++m_line;
        m_skipLineFeed = c == '\r';
        if (!started) {
            record.Line = m_line;
            return false;
        }
        finishField(record, rest);
        return true;
    };

    for (;;) {
        if (m_position == m_buffer.size() && !refill()) {
            if (!m_fatalError.isEmpty() || !started || tooLong())
                return done(false);
            if (state == State::Quoted)
                fieldError(record, QStringLiteral("a quoted field has no closing quote"));
            finishField(record, {});
            return done(true);
        }
        if (m_skipLineFeed) {
            m_skipLineFeed = false;
            if (m_buffer.at(m_position) == '\n') {
                ++m_position;
                continue;
            }
        }
        if (tooLong())
            return done(false);

        const char *data = m_buffer.constData();
        const qsizetype size = m_buffer.size();
        const char c = data[m_position];
        switch (state) {
        case State::FieldStart:
            if (c == '"') {
                started = true;
                state = State::Quoted;
                ++m_position;
                ++recordBytes;
                break;
            }
            state = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted: {
            const qsizetype start = m_position;
            while (m_position < size && !endsUnquoted(data[m_position]))
                ++m_position;
            const QByteArrayView piece(data + start, m_position - start);
            if (!piece.isEmpty()) {
                started = true;
                recordBytes += piece.size();
            }
            if (m_position == size) {
                m_field.append(piece);  // the field goes on in the next block
                break;
            }
            const char end = data[m_position];
            if (end == ',') {
                started = true;
                ++m_position;
                ++recordBytes;
                finishField(record, piece);
                state = State::FieldStart;
            } else if (end == '"') {
                started = true;
                fieldError(record, QStringLiteral("a quote inside a field that does not start with one"));
                m_field.append(piece);
                m_field.append('"');
                ++m_position;
                ++recordBytes;
            } else if (endOfLine(end, piece)) {
                return done(!tooLong());
            } else {
                state = State::FieldStart;
            }
            break;
        }
        case State::Quoted: {
            const qsizetype start = m_position;
            while (m_position < size && data[m_position] != '"') {
                if (data[m_position] == '\n')
                    ++m_line;
                ++m_position;
            }
            m_field.append(data + start, m_position - start);
            recordBytes += m_position - start;
            if (m_position < size) {
                state = State::QuoteInQuoted;
                ++m_position;
                ++recordBytes;
            }
            break;
        }
        case State::QuoteInQuoted:
            if (c == '"') {
                m_field.append('"');
                ++m_position;
                ++recordBytes;
                state = State::Quoted;
            } else {
                state = State::AfterQuoted;
            }
            break;
        case State::AfterQuoted:
            if (c == ',') {
                ++m_position;
                ++recordBytes;
                finishField(record, {});
                state = State::FieldStart;
            } else if (c == '\r' || c == '\n') {
                endOfLine(c, {});
                return done(!tooLong());
            } else {
                fieldError(record, QStringLiteral("text after the closing quote of a field"));
                state = State::Unquoted;
            }
            break;
        }
    }
}
