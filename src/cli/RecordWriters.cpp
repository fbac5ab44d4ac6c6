#include "RecordWriters.h"

#include <QIODevice>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstring>

namespace {

constexpr qsizetype BlockSize = 64 * 1024;

bool endsPlainField(char16_t c)
{
    return c == u',' || c == u'"' || c == u'\r' || c == u'\n';
}

bool needsQuotes(QStringView field)
{
    return std::any_of(field.begin(), field.end(), [](QChar c) { return endsPlainField(c.unicode()); });
}

} // namespace

RecordWriter::RecordWriter(QIODevice &device) : m_device(device)
{
    m_block.resize(2 * BlockSize);
}

bool RecordWriter::flush()
{
    if (!m_failed && m_used > 0)
        m_failed = m_device.write(m_block.constData(), m_used) != m_used;
    m_used = 0;
    return !m_failed;
}

QString RecordWriter::errorString() const
{
    return m_device.errorString();
}

void RecordWriter::grow(qsizetype size)
{
    m_block.resize(std::max(2 * m_block.size(), m_used + size));
}

void RecordWriter::appendBytes(QByteArrayView bytes)
{
    memcpy(reserve(bytes.size()), bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
}

void RecordWriter::appendText(QStringView text)
{
    char *start = reserve(m_encoder.requiredSpace(text.size()));
    m_used += m_encoder.appendToBuffer(start, text) - start;
}

void RecordWriter::endRecord()
{
    if (m_used >= BlockSize)
        flush();
}

void CsvWriter::appendField(const QString &field)
{
    if (!m_firstField)
        appendByte(',');
    m_firstField = false;
    // Most fields are short ASCII that needs no quotes: copied as they are in one pass.
    if (appendAsciiUntil(field, endsPlainField))
        return;
    if (!needsQuotes(field)) {
        appendText(field);
        return;
    }
    appendBytes("\"");
    appendText(QString(field).replace(u'"', QLatin1String("\"\"")));
    appendBytes("\"");
}

void CsvWriter::writeHeader(const QStringList &names)
{
    writeRow(names, {});
}

void CsvWriter::writeRow(std::span<const QString> values, std::span<const QString> moreValues)
{
    m_firstField = true;
    for (const QString &value : values)
        appendField(value);
    for (const QString &value : moreValues)
        appendField(value);
    appendBytes("\r\n");
    endRecord();
}

void JsonLinesWriter::writeHeader(const QStringList &names)
{
    m_names = names;
}

void JsonLinesWriter::writeRow(std::span<const QString> values, std::span<const QString> moreValues)
{
    QJsonObject object;
    for (qsizetype i = 0; i < m_names.size(); ++i) {
        const std::size_t column = std::size_t(i);
        if (column < values.size())
            object.insert(m_names[i], values[column]);
        else if (column - values.size() < moreValues.size())
            object.insert(m_names[i], moreValues[column - values.size()]);
        else
            object.insert(m_names[i], QString());
    }
    appendBytes(QJsonDocument(object).toJson(QJsonDocument::Compact));
    appendBytes("\n");
    endRecord();
}
