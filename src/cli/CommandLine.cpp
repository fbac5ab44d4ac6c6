#include "CommandLine.h"

#include "BatchConversion.h"
#include "ListingComputation.h"
#include "ListingFields.h"
#include "NumberText.h"
#include "RecordWriters.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSaveFile>

#include <functional>
#include <memory>

namespace CommandLine {

namespace {

using ListingComputation::FeeColumn;
using ListingComputation::FeeColumnCount;
using ListingFields::Field;

const QString StandardStream = QStringLiteral("-");

// One listing's fees: a line for each fee that applies ("Total eBay fees:   6.81"), or a JSON
// object of them keyed by their column names.
QByteArray formatted(const ListingComputation::FeeTexts &fees, bool json)
{
    const auto info = [](int column) { return ListingComputation::Info(FeeColumn(column)); };
    if (json) {
        QJsonObject object;
        for (int column = 0; column < FeeColumnCount; ++column) {
            if (!fees[std::size_t(column)].isEmpty())
                object.insert(QLatin1String(info(column).Name), fees[std::size_t(column)]);
        }
        return QJsonDocument(object).toJson(QJsonDocument::Indented);
    }
    qsizetype width = 0;
    for (int column = 0; column < FeeColumnCount; ++column)
        width = std::max(width, qsizetype(qstrlen(info(column).Label)));
    QString text;
    for (int column = 0; column < FeeColumnCount; ++column) {
        if (fees[std::size_t(column)].isEmpty())
            continue;
        const QString label = QLatin1String(info(column).Label) + u':';
        text += label.leftJustified(width + 2) + fees[std::size_t(column)] + u'\n';
    }
    return text.toUtf8();
}

class Program
{
public:
    Program(QIODevice &in, QIODevice &out, QIODevice &err) : m_in(in), m_out(out), m_err(err) {}

    int run(const QStringList &arguments);

private:
    void addOptions();
    int usageError(const QString &message);
    void say(QIODevice &device, const QString &text) { device.write(text.toUtf8()); }
    void complain(const QString &message) { say(m_err, programName() + QLatin1String(": ") + message + u'\n'); }
    static QString programName() { return QCoreApplication::applicationName(); }

    int runSingleListing(QIODevice &out, const QString &format);
    int runBatch(QIODevice &out, const QString &format);
    // Runs write on the output; a failed listing still leaves a complete output in a batch.
    int withOutput(const std::function<int(QIODevice &)> &write, bool batch);

    QIODevice &m_in;
    QIODevice &m_out;
    QIODevice &m_err;
    QCommandLineParser m_parser;
    const QCommandLineOption m_csv{QStringLiteral("csv"),
                                   QStringLiteral("Read one listing per row of a CSV file (- for the standard input). "
                                                  "The header row names the columns: the listing options above, "
                                                  "without their dashes."),
                                   QStringLiteral("file")};
    const QCommandLineOption m_format{QStringLiteral("format"),
                                      QStringLiteral("Output: text or json for one listing (default text), csv or "
                                                     "jsonl for --csv (default csv)."),
                                      QStringLiteral("format")};
    const QCommandLineOption m_output{{QStringLiteral("o"), QStringLiteral("output")},
                                      QStringLiteral("Write to a file instead of the standard output; the file is "
                                                     "replaced only by a complete output."),
                                      QStringLiteral("file")};
    const QCommandLineOption m_locale{QStringLiteral("locale"),
                                      QStringLiteral("Read and write numbers with the user's decimal separator "
                                                     "(default: a point).")};
};

void Program::addOptions()
{
    m_parser.setApplicationDescription(QStringLiteral(
        "The eBay fees of one listing, or of every listing of a CSV file, as the Calvextra window works them out.\n"
        "Exit status: 0 when every listing was worked out, 1 when a listing could not be, 2 for a usage error, "
        "a header that cannot be read or a file that cannot be read or written."));
    m_parser.addHelpOption();
    m_parser.addVersionOption();
    for (const ListingFields::FieldInfo &info : ListingFields::AllFields()) {
        const QString name = QLatin1String(info.Name);
        m_parser.addOption(info.ValueName ? QCommandLineOption(name, QLatin1String(info.Description),
                                                               QLatin1String(info.ValueName))
                                          : QCommandLineOption(name, QLatin1String(info.Description)));
    }
    m_parser.addOptions({m_csv, m_format, m_output, m_locale});
}

int Program::usageError(const QString &message)
{
    complain(message);
    say(m_err, QStringLiteral("Try '%1 --help' for more information.\n").arg(programName()));
    return UsageError;
}

int Program::run(const QStringList &arguments)
{
    addOptions();
    if (!m_parser.parse(arguments))
        return usageError(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        say(m_out, m_parser.helpText());
        return Success;
    }
    if (m_parser.isSet(QStringLiteral("version"))) {
        say(m_out, programName() + u' ' + QCoreApplication::applicationVersion() + u'\n');
        return Success;
    }
    if (!m_parser.positionalArguments().isEmpty())
        return usageError(QStringLiteral("unexpected argument \"%1\"").arg(m_parser.positionalArguments().first()));

    // Numbers are read and written as the engine's texts make them in the default locale.
    UseNumberLocale(m_parser.isSet(m_locale) ? QLocale::system() : QLocale::c());

    const bool batch = m_parser.isSet(m_csv);
    const QString format = m_parser.value(m_format);
    if (batch) {
        for (const ListingFields::FieldInfo &info : ListingFields::AllFields()) {
            if (m_parser.isSet(QLatin1String(info.Name)))
                return usageError(QStringLiteral("--%1 cannot be given with --csv: the file's columns hold the "
                                                 "listings").arg(QLatin1String(info.Name)));
        }
        if (!format.isEmpty() && format != QLatin1String("csv") && format != QLatin1String("jsonl"))
            return usageError(QStringLiteral("--format %1 does not fit --csv (csv or jsonl)").arg(format));
        return withOutput([this, &format](QIODevice &out) { return runBatch(out, format); }, true);
    }
    if (!format.isEmpty() && format != QLatin1String("text") && format != QLatin1String("json"))
        return usageError(QStringLiteral("--format %1 does not fit one listing (text or json)").arg(format));
    return withOutput([this, &format](QIODevice &out) { return runSingleListing(out, format); }, false);
}

// The output goes to the standard output, or to the file of -o through a save file, which
// replaces the file only when the program has written everything.
int Program::withOutput(const std::function<int(QIODevice &)> &write, bool batch)
{
    const QString path = m_parser.value(m_output);
    if (!m_parser.isSet(m_output) || path == StandardStream)
        return write(m_out);
    if (path.isEmpty())
        return usageError(QStringLiteral("-o needs a file name"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        complain(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return UsageError;
    }
    const int status = write(file);
    if (status == UsageError || (status == ListingsFailed && !batch)) {
        file.cancelWriting();
        return status;
    }
    if (!file.commit()) {
        complain(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
        return UsageError;
    }
    return status;
}

int Program::runSingleListing(QIODevice &out, const QString &format)
{
    QList<Field> fields;
    QList<QString> values;
    for (const ListingFields::FieldInfo &info : ListingFields::AllFields()) {
        const QString name = QLatin1String(info.Name);
        if (!m_parser.isSet(name))
            continue;
        fields.append(info.Id);
        values.append(info.ValueName ? m_parser.value(name) : QStringLiteral("1"));
    }
    ListingRequest request;
    Field failed = Field::Site;
    QString error;
    if (!ListingFields::ReadRequest(fields, values, request, failed, error)) {
        complain(error);
        return ListingsFailed;
    }
    const ListingComputation::FeeTexts fees = ListingComputation::ComputeFees(request);

    const QByteArray text = formatted(fees, format == QLatin1String("json"));
    if (out.write(text) != text.size()) {
        complain(QStringLiteral("cannot write the output: %1").arg(out.errorString()));
        return UsageError;
    }
    return Success;
}

int Program::runBatch(QIODevice &out, const QString &format)
{
    const QString path = m_parser.value(m_csv);
    QFile file(path);
    QIODevice *input = &m_in;
    if (path != StandardStream) {
        if (!file.open(QIODevice::ReadOnly)) {
            complain(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
            return UsageError;
        }
        input = &file;
    }
    std::unique_ptr<RecordWriter> writer;
    if (format == QLatin1String("jsonl"))
        writer = std::make_unique<JsonLinesWriter>(out);
    else
        writer = std::make_unique<CsvWriter>(out);
    const auto message = [this](const QString &text) { say(m_err, text + u'\n'); };
    switch (BatchConversion::Convert(*input, *writer, message)) {
    case BatchConversion::Result::Complete: return Success;
    case BatchConversion::Result::RowsFailed: return ListingsFailed;
    case BatchConversion::Result::Stopped: break;
    }
    return UsageError;
}

} // namespace

int Run(const QStringList &arguments, QIODevice &standardInput, QIODevice &standardOutput, QIODevice &standardError)
{
    return Program(standardInput, standardOutput, standardError).run(arguments);
}

} // namespace CommandLine
