#include "BatchConversion.h"
#include "CommandLine.h"
#include "CsvReader.h"
#include "RecordWriters.h"

#include <QBuffer>
#include <QStringEncoder>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Hands out its bytes a few at a time, as a pipe may: records and line ends split anywhere.
class TrickleDevice : public QIODevice
{
public:
    TrickleDevice(QByteArray bytes, qint64 step) : m_bytes(std::move(bytes)), m_step(step)
    {
        open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 size = std::min({maxSize, m_step, qint64(m_bytes.size()) - m_position});
        memcpy(data, m_bytes.constData() + m_position, size_t(size));
        m_position += size;
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_step;
    qint64 m_position = 0;
};

struct BatchRun
{
    BatchConversion::Result result;
    QByteArray output;
    QStringList messages;
};

BatchRun convert(const QByteArray &csv, bool jsonLines = false)
{
    QBuffer input;
    input.setData(csv);
    input.open(QIODevice::ReadOnly);
    QBuffer output;
    output.open(QIODevice::WriteOnly);
    BatchRun run;
    {
        std::unique_ptr<RecordWriter> writer;
        if (jsonLines)
            writer = std::make_unique<JsonLinesWriter>(output);
        else
            writer = std::make_unique<CsvWriter>(output);
        run.result = BatchConversion::Convert(input, *writer, [&run](const QString &text) { run.messages << text; });
    }
    run.output = output.data();
    return run;
}

QList<QByteArray> outputLines(const QByteArray &output)
{
    QList<QByteArray> lines = output.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

const QByteArray Header = "site,start,closing,items-offered,items-sold,bold,gallery,gallery-featured,gift-icon,"
                          "extra-pictures,payment,rate\n";
const QByteArray GoodRowA = "uk,9.99,152.50,,,1,yes,,,2,,\n";
const QByteArray GoodRowB = "de,2.00,,10,4,,true,true,,pack,60.00,0.9\n";

struct ProgramRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

ProgramRun runProgram(const QStringList &arguments, const QByteArray &input = {},
                      const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(CALVEXTRA_FEES_PROGRAM), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    ProgramRun run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

} // namespace

using Records = QList<QStringList>;

class TestCliBatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // ---- Reading CSV ----

    void readsRecords_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<Records>("records");
        QTest::addColumn<QList<qint64>>("lines");
        QTest::addColumn<QStringList>("errors");  // per record: "column: message" or ""

        const QStringList none{QString(), QString()};
        QTest::newRow("LF") << QByteArray("a,b\nc,d\n") << Records{{"a", "b"}, {"c", "d"}} << QList<qint64>{1, 2} << none;
        QTest::newRow("CRLF") << QByteArray("a,b\r\nc,d\r\n") << Records{{"a", "b"}, {"c", "d"}} << QList<qint64>{1, 2}
                              << none;
        QTest::newRow("no line break at the end") << QByteArray("a,b\r\nc,d") << Records{{"a", "b"}, {"c", "d"}}
                                                  << QList<qint64>{1, 2} << none;
        QTest::newRow("quoted separator and doubled quotes")
            << QByteArray("\"a,b\",\"say \"\"hi\"\"\"\n\"\",x\n") << Records{{"a,b", "say \"hi\""}, {"", "x"}}
            << QList<qint64>{1, 2} << none;
        QTest::newRow("line breaks inside quotes")
            << QByteArray("\"one\ntwo\",x\r\n\"three\r\nfour\",y\nlast,z\n")
            << Records{{"one\ntwo", "x"}, {"three\r\nfour", "y"}, {"last", "z"}} << QList<qint64>{1, 3, 5}
            << QStringList{QString(), QString(), QString()};
        QTest::newRow("empty fields") << QByteArray(",,\n,\n") << Records{{"", "", ""}, {"", ""}} << QList<qint64>{1, 2}
                                      << none;
        QTest::newRow("empty lines skipped") << QByteArray("a\n\n\r\nb\n\n") << Records{{"a"}, {"b"}}
                                             << QList<qint64>{1, 4} << none;
        QTest::newRow("byte-order mark and UTF-8") << QByteArray("\xEF\xBB\xBF\xC3\xA9,\xE2\x82\xAC\n")
                                                   << Records{{QStringLiteral("é"), QStringLiteral("€")}}
                                                   << QList<qint64>{1} << QStringList{QString()};
        QTest::newRow("quote inside an unquoted field")
            << QByteArray("ab\"c,d\ne,f\n") << Records{{"ab\"c", "d"}, {"e", "f"}} << QList<qint64>{1, 2}
            << QStringList{"1: a quote inside a field that does not start with one", QString()};
        QTest::newRow("text after a closing quote")
            << QByteArray("x,\"ab\"c\ne\n") << Records{{"x", "abc"}, {"e"}} << QList<qint64>{1, 2}
            << QStringList{"2: text after the closing quote of a field", QString()};
        // Each record is read over the one before: nothing of a longer field or of more fields stays.
        QTest::newRow("records of changing shape")
            << QByteArray("a,bb,ccc\nd\neeee,f,g,h\n,\nlonger than before,x\n\"q\",\xC3\xA9\ny\n")
            << Records{{"a", "bb", "ccc"}, {"d"}, {"eeee", "f", "g", "h"}, {"", ""}, {"longer than before", "x"},
                       {"q", QStringLiteral("é")}, {"y"}}
            << QList<qint64>{1, 2, 3, 4, 5, 6, 7}
            << QStringList{QString(), QString(), QString(), QString(), QString(), QString(), QString()};
        QTest::newRow("quote left open") << QByteArray("a\n\"b,c\nd\n") << Records{{"a"}, {"b,c\nd\n"}}
                                         << QList<qint64>{1, 2}
                                         << QStringList{QString(), "1: a quoted field has no closing quote"};
        QTest::newRow("not UTF-8") << QByteArray("a,\xFF\xFE\nb\n") << Records{{"a", QStringLiteral("\uFFFD\uFFFD")}, {"b"}}
                                   << QList<qint64>{1, 2} << QStringList{"2: the field is no UTF-8 text", QString()};
    }

    void readsRecords()
    {
        QFETCH(QByteArray, csv);
        QFETCH(Records, records);
        QFETCH(QList<qint64>, lines);
        QFETCH(QStringList, errors);
        for (qint64 step : {1, 2, 3, 7, 65536}) {
            TrickleDevice device(csv, step);
            CsvReader reader(device);
            CsvRecord record;
            Records read;
            QList<qint64> readLines;
            QStringList readErrors;
            while (reader.readRecord(record)) {
                read << record.Fields;
                readLines << record.Line;
                readErrors << (record.ErrorColumn ? QStringLiteral("%1: %2").arg(record.ErrorColumn).arg(record.Error)
                                                  : QString());
            }
            QVERIFY2(reader.fatalError().isEmpty(), qPrintable(reader.fatalError()));
            QCOMPARE(read, records);
            QCOMPARE(readLines, lines);
            QCOMPARE(readErrors, errors);
        }
    }

    void recordTooLongStopsTheReading()
    {
        QByteArray csv = "a,b\n\"" + QByteArray(CsvReader::MaxRecordBytes + 10, 'x') + "\nc,d\n";
        QBuffer device(&csv);
        device.open(QIODevice::ReadOnly);
        CsvReader reader(device);
        CsvRecord record;
        QVERIFY(reader.readRecord(record));
        QVERIFY(!reader.readRecord(record));
        QCOMPARE(reader.fatalError(), QStringLiteral("line 2: a record longer than 64 KiB (is a quote left open?)"));
        QVERIFY(!reader.readRecord(record));
    }

    // ---- Writing CSV and JSON Lines ----

    void writesCsvFields_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("plain") << "plain" << QByteArray("plain");
        QTest::newRow("empty") << "" << QByteArray("");
        QTest::newRow("comma") << "1,31" << QByteArray("\"1,31\"");
        QTest::newRow("quote") << "say \"hi\"" << QByteArray("\"say \"\"hi\"\"\"");
        QTest::newRow("LF") << "two\nlines" << QByteArray("\"two\nlines\"");
        QTest::newRow("CR") << "cr\r" << QByteArray("\"cr\r\"");
        QTest::newRow("blanks stay unquoted") << " a b " << QByteArray(" a b ");
        QTest::newRow("UTF-8") << QStringLiteral("€ é") << QByteArray("\xE2\x82\xAC \xC3\xA9");
        QTest::newRow("digits") << "1234.50" << QByteArray("1234.50");
        QTest::newRow("ASCII after UTF-8") << QStringLiteral("é1") << QByteArray("\xC3\xA9" "1");
        QTest::newRow("DEL is ASCII") << QStringLiteral("a\x7F") << QByteArray("a\x7F");
        QTest::newRow("first character beyond ASCII") << QStringLiteral("\u0080") << QByteArray("\xC2\x80");
        QTest::newRow("quoted UTF-8") << QStringLiteral("€,\"") << QByteArray("\"\xE2\x82\xAC,\"\"\"");
    }

    // The bytes of a row are those of a UTF-8 encoder given the fields one after the other, even
    // where it keeps half a surrogate pair from one field for the next.
    void writesFieldsAsTheEncoderDoes_data()
    {
        QTest::addColumn<QStringList>("fields");
        const QString high(QChar(0xD83D));
        const QString low(QChar(0xDE00));
        QTest::newRow("ASCII") << QStringList{"us", "1.50", "", "yes"};
        QTest::newRow("ASCII and UTF-8") << QStringList{QStringLiteral("é"), "1", QStringLiteral("€"), "x"};
        QTest::newRow("a pair") << QStringList{"a", high + low, "b"};
        QTest::newRow("a lone high half before ASCII") << QStringList{"a", high, "b", "c"};
        QTest::newRow("a pair split across fields") << QStringList{high, low, "z"};
        QTest::newRow("a lone low half") << QStringList{low, "1"};
        QTest::newRow("high halves in a row") << QStringList{high, high, "2"};
    }

    void writesFieldsAsTheEncoderDoes()
    {
        QFETCH(QStringList, fields);
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        CsvWriter writer(output);
        writer.writeRow(fields, {});
        QVERIFY(writer.flush());
        QStringEncoder encoder(QStringEncoder::Utf8);
        QByteArray expected;
        for (const QString &field : fields)
            expected += (expected.isEmpty() && &field == &fields.front() ? QByteArray() : QByteArray(","))
                        + QByteArray(encoder.encode(field));
        QCOMPARE(output.data(), expected + "\r\n");
    }

    void writesCsvFields()
    {
        QFETCH(QString, field);
        QFETCH(QByteArray, written);
        QBuffer output;
        output.open(QIODevice::WriteOnly);
        CsvWriter writer(output);
        const QStringList row{QStringLiteral("x"), field};
        writer.writeRow(row, std::span<const QString>(&field, 1));
        QVERIFY(writer.flush());
        QCOMPARE(output.data(), "x," + written + "," + written + "\r\n");

        // What is written reads back as it was.
        output.close();
        output.open(QIODevice::ReadOnly);
        CsvReader reader(output);
        CsvRecord record;
        QVERIFY(reader.readRecord(record));
        QCOMPARE(record.Fields, (QStringList{QStringLiteral("x"), field, field}));
        QCOMPARE(record.ErrorColumn, 0);
    }

    void writesJsonLines()
    {
        const BatchRun run = convert("site,start,closing\nuk,9.99,\"152.50\"\n", true);
        QCOMPARE(run.result, BatchConversion::Result::Complete);
        const QList<QByteArray> lines = outputLines(run.output);
        QCOMPARE(lines.size(), 1);
        QCOMPARE(lines[0], QByteArray("{\"closing\":\"152.50\",\"extras\":\"0.00\",\"fee-per-item\":\"\","
                                      "\"final-value-fee\":\"5.56\",\"insertion-fee\":\"0.35\",\"paypal-fee\":\"\","
                                      "\"reserve-fee\":\"\",\"site\":\"uk\",\"start\":\"9.99\",\"total-fees\":\"5.91\","
                                      "\"total-sales\":\"\"}"));
    }

    // ---- Rows ----

    void writesInputColumnsThenFees()
    {
        const BatchRun run = convert(Header + GoodRowA);
        QCOMPARE(run.result, BatchConversion::Result::Complete);
        QCOMPARE(run.messages, QStringList());
        const QList<QByteArray> lines = outputLines(run.output);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], Header.chopped(1) + ",insertion-fee,reserve-fee,extras,final-value-fee,total-sales,"
                                               "total-fees,fee-per-item,paypal-fee\r");
        // eBay UK: 9.99 pays 0.35; bold 0.75, gallery 0.15, two extra pictures 0.20; 152.50 pays 5.56.
        QCOMPARE(lines[1], GoodRowA.chopped(1) + ",0.35,,1.10,5.56,,7.01,,\r");
    }

    void badRowsAreReportedAndTheOthersStayExact_data()
    {
        QTest::addColumn<QByteArray>("row");
        QTest::addColumn<QString>("message");
        const auto row = [](const char *name, const char *csv, const char *message) {
            QTest::newRow(name) << QByteArray(csv) << QString::fromUtf8(message);
        };
        row("unknown site", "xx,9.99,,,,,,,,,,", "line 3, column 1: site: unknown site \"xx\" (us, uk, ca, de or 1 to 4)");
        row("site code 5", "5,9.99,,,,,,,,,,", "line 3, column 1: site: unknown site \"5\" (us, uk, ca, de or 1 to 4)");
        row("count with decimals", "us,2.00,,2.5,1,,,,,,,",
            "line 3, column 4: items-offered: \"2.5\" is not a whole number of items (0 to 32767)");
        row("count too large", "us,2.00,,10,40000,,,,,,,",
            "line 3, column 5: items-sold: \"40000\" is not a whole number of items (0 to 32767)");
        row("amount of letters", "us,abc,,,,,,,,,,",
            "line 3, column 2: start: \"abc\" is not an amount (digits with at most one \".\", below 100000000)");
        row("negative amount", "us,5.00,-5,,,,,,,,,",
            "line 3, column 3: closing: \"-5\" is not an amount (digits with at most one \".\", below 100000000)");
        row("amount with an exponent", "us,1e3,,,,,,,,,,",
            "line 3, column 2: start: \"1e3\" is not an amount (digits with at most one \".\", below 100000000)");
        row("amount beyond the limit", "us,100000000,,,,,,,,,,",
            "line 3, column 2: start: \"100000000\" is not an amount (digits with at most one \".\", below 100000000)");
        row("amount with a comma", "us,\"1,5\",,,,,,,,,,",
            "line 3, column 2: start: \"1,5\" is not an amount (digits with at most one \".\", below 100000000)");
        row("flag neither yes nor no", "us,5.00,,,,maybe,,,,,,",
            "line 3, column 6: bold: \"maybe\" is neither yes nor no (1, 0, yes, no, true, false)");
        row("pictures beyond the list", "us,5.00,,,,,,,,7,,",
            "line 3, column 10: extra-pictures: \"7\" is no choice of extra pictures (1 to 5 or pack)");
        row("option the site lacks", "uk,5.00,,,,,,,1,,,",
            "line 3, column 9: gift-icon is not offered for a single item on eBay UK");
        row("box under an unticked box", "us,5.00,,,,,,1,,,,", "line 3, column 8: gallery-featured needs gallery");
        row("opening bid below a cent", "us,0.001,,,,,,,,,,",
            "line 3, column 2: a listing needs an opening bid of at least 0.01 (start)");
        row("listing without an opening bid", "us,,5.00,,,1,,,,,,",
            "line 3, column 2: a listing needs an opening bid of at least 0.01 (start)");
        row("lot of one item", "us,2.00,,1,1,,,,,,,", "line 3, column 4: a multiple-item lot offers at least 2 items");
        row("lot without items sold", "us,2.00,,5,,,,,,,,", "line 3, column 5: a multiple-item lot needs its items-sold");
        row("lot all sold without a bid", "us,2.00,,5,5,,,,,,,",
            "line 3, column 3: every item of the lot sold: it needs its lowest successful bid (closing)");
        row("items sold of no lot", "us,2.00,,,3,,,,,,,", "line 3, column 5: items-sold needs items-offered");
        row("payment of 0", "uk,,,,,,,,,,0,", "line 3, column 11: a payment is more than 0");
        row("rate without a payment", "uk,5.00,,,,,,,,,,1.5", "line 3, column 12: rate needs a payment");
        row("rate of 0", "uk,,,,,,,,,,5.00,0",
            "line 3, column 12: rate: \"0\" is not an exchange rate (a number above 0, below 1000000)");
        row("nothing to work out", "uk,,,,,,,,,,,",
            "line 3, column 2: nothing to work out: give a listing (start) or a payment (payment)");
        row("too few fields", "us,5.00", "line 3, column 3: the row has 2 fields, the header 12");
        row("too many fields", "us,5.00,,,,,,,,,,,x", "line 3, column 13: the row has 13 fields, the header 12");
        row("quote inside a field", "us,5\"00,,,,,,,,,,",
            "line 3, column 2: a quote inside a field that does not start with one");
        row("not UTF-8", "us,5.00,,,,,,,,\xFF,,", "line 3, column 10: the field is no UTF-8 text");
    }

    void badRowsAreReportedAndTheOthersStayExact()
    {
        QFETCH(QByteArray, row);
        QFETCH(QString, message);
        const BatchRun run = convert(Header + GoodRowA + row + "\r\n" + GoodRowB);
        QCOMPARE(run.messages, QStringList{message});
        QCOMPARE(run.result, BatchConversion::Result::RowsFailed);

        const QList<QByteArray> lines = outputLines(run.output);
        QCOMPARE(lines.size(), 4);
        // The good rows as they come out on their own.
        QCOMPARE(lines[1], outputLines(convert(Header + GoodRowA).output).value(1));
        QCOMPARE(lines[3], outputLines(convert(Header + GoodRowB).output).value(1));
        // The bad row: twelve input columns and eight empty fee columns.
        CsvRecord record;
        QBuffer written;
        written.setData(lines[2] + '\n');
        written.open(QIODevice::ReadOnly);
        CsvReader reader(written);
        QVERIFY(reader.readRecord(record));
        QCOMPARE(record.Fields.size(), 20);
        for (qsizetype column = 12; column < 20; ++column)
            QCOMPARE(record.Fields[column], QString());
    }

    // Rows are worked out in batches on several threads: messages and rows still come out in the
    // input's order, each row with its own fees.
    void manyRowsKeepTheirOrder()
    {
        QByteArray csv = Header;
        QStringList expected;
        for (int row = 0; row < 10000; ++row) {
            if (row % 997 == 0) {
                csv += "xx,1.00,,,,,,,,,,\n";
                expected << QStringLiteral("line %1, column 1: site: unknown site \"xx\" (us, uk, ca, de or 1 to 4)")
                                .arg(row + 2);
            } else {
                csv += row % 2 ? GoodRowA : GoodRowB;
            }
        }
        const BatchRun run = convert(csv);
        QCOMPARE(run.result, BatchConversion::Result::RowsFailed);
        QCOMPARE(run.messages, expected);
        const QList<QByteArray> lines = outputLines(run.output);
        QCOMPARE(lines.size(), 10001);
        const QByteArray rowA = outputLines(convert(Header + GoodRowA).output).value(1);
        const QByteArray rowB = outputLines(convert(Header + GoodRowB).output).value(1);
        for (int row = 0; row < 10000; ++row) {
            if (row % 997 == 0)
                QVERIFY(lines[row + 1].startsWith("xx,1.00,"));
            else
                QCOMPARE(lines[row + 1], row % 2 ? rowA : rowB);
        }
    }

    // Batches are read into again once written: rows of every length, shorter and longer than the
    // ones before them at the same place, come out as each does on its own.
    void reusedRowsKeepNothingOfTheRowsBefore()
    {
        const QByteArray rows[] = {GoodRowA, GoodRowB, "us,1234567.89,2000000.00,,,1,1,1,,,,\n", "ca,5,,,,,,,,,,\n",
                                   "uk,0.99\n", "de,12.5,20,,,,,,,,,,,\n", "us,\"1,5\",,,,,,,,,,\n",
                                   QByteArray("uk,\xC3\xA9,,,,,,,,,,\n")};
        QList<QByteArray> alone;
        for (const QByteArray &row : rows)
            alone << outputLines(convert(Header + row).output).value(1);
        QByteArray csv = Header;
        QList<int> order;
        for (int row = 0; row < 9000; ++row) {
            order << (row * 7 + row / 2048) % int(std::size(rows));
            csv += rows[order.back()];
        }
        const QList<QByteArray> lines = outputLines(convert(csv).output);
        QCOMPARE(lines.size(), order.size() + 1);
        for (qsizetype row = 0; row < order.size(); ++row)
            QCOMPARE(lines[row + 1], alone[order[row]]);
    }

    void unusableHeaderStopsTheBatch_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown column") << QByteArray("site,start,colour\nus,1.00,red\n")
                                        << "line 1, column 3: unknown column \"colour\"";
        QTest::newRow("column named twice") << QByteArray("site,start,site\nus,1.00,us\n")
                                            << "line 1, column 3: column \"site\" named twice";
        QTest::newRow("no header") << QByteArray("\n\n") << "the input has no header row";
        QTest::newRow("malformed header") << QByteArray("site,\"start\"x\n") << "line 1, column 2: text after the closing "
                                                                               "quote of a field";
    }

    void unusableHeaderStopsTheBatch()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, message);
        const BatchRun run = convert(csv);
        QCOMPARE(run.result, BatchConversion::Result::Stopped);
        QCOMPARE(run.messages, QStringList{message});
        QCOMPARE(run.output, QByteArray());
    }

    // ---- The program ----

    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");  // a part of the standard output
        QTest::addColumn<QByteArray>("err");  // a part of the standard error

        const QStringList uk{"--site", "uk", "--start", "9.99", "--closing", "152.50", "--bold", "--gallery"};
        QTest::newRow("one listing") << uk << QByteArray() << 0 << QByteArray("Total eBay fees:   6.81\n")
                                     << QByteArray();
        QTest::newRow("one listing as JSON") << (QStringList(uk) << "--format" << "json") << QByteArray() << 0
                                             << QByteArray("\"total-fees\": \"6.81\"") << QByteArray();
        QTest::newRow("payment") << QStringList{"--payment", "250", "--paypal", "merchant", "--abroad", "--rate", "1.317"}
                                 << QByteArray() << 0 << QByteArray("PayPal fee:") << QByteArray();
        QTest::newRow("bad value") << QStringList{"--start", "9,99"} << QByteArray() << 1 << QByteArray()
                                   << QByteArray("calvextra-fees: start: \"9,99\" is not an amount");
        QTest::newRow("unknown option") << QStringList{"--colour", "red"} << QByteArray() << 2 << QByteArray()
                                        << QByteArray("Unknown option 'colour'");
        QTest::newRow("argument") << QStringList{"--start", "5", "listing.csv"} << QByteArray() << 2 << QByteArray()
                                  << QByteArray("unexpected argument \"listing.csv\"");
        QTest::newRow("listing options with --csv") << QStringList{"--csv", "-", "--bold"} << Header << 2 << QByteArray()
                                                    << QByteArray("--bold cannot be given with --csv");
        QTest::newRow("csv format of one listing") << (QStringList(uk) << "--format" << "csv") << QByteArray() << 2
                                                   << QByteArray() << QByteArray("--format csv does not fit one listing");
        QTest::newRow("text format of a batch") << QStringList{"--csv", "-", "--format", "text"} << Header << 2
                                                << QByteArray() << QByteArray("--format text does not fit --csv");
        QTest::newRow("missing file") << QStringList{"--csv", "/nonexistent/listings.csv"} << QByteArray() << 2
                                      << QByteArray() << QByteArray("cannot read /nonexistent/listings.csv");
        QTest::newRow("standard input") << QStringList{"--csv", "-"} << Header + GoodRowA << 0
                                        << QByteArray(",0.35,,1.10,5.56,,7.01,,\r\n") << QByteArray();
        QTest::newRow("a bad row") << QStringList{"--csv", "-"} << Header + GoodRowA + "zz,1,,,,,,,,,,\n" << 1
                                   << QByteArray(",0.35,,1.10,5.56,,7.01,,\r\nzz,1,,,,,,,,,,,,,,,,,,\r\n")
                                   << QByteArray("line 3, column 1: site: unknown site \"zz\"");
        QTest::newRow("unknown column") << QStringList{"--csv", "-"} << QByteArray("site,colour\n") << 2 << QByteArray()
                                        << QByteArray("line 1, column 2: unknown column \"colour\"");
        QTest::newRow("help") << QStringList{"--help"} << QByteArray() << 0 << QByteArray("--items-offered <count>")
                              << QByteArray();
        QTest::newRow("version") << QStringList{"--version"} << QByteArray() << 0 << QByteArray("calvextra-fees 1.")
                                 << QByteArray();
    }

    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QByteArray, err);
        const ProgramRun run = runProgram(arguments, input);
        QVERIFY2(run.out.contains(out), run.out.constData());
        QVERIFY2(run.err.contains(err), run.err.constData());
        QCOMPARE(run.status, status);
    }

    void userDecimalSeparator()
    {
        QProcessEnvironment german = QProcessEnvironment::systemEnvironment();
        german.insert(QStringLiteral("LC_ALL"), QStringLiteral("de_DE.UTF-8"));
        const QStringList listing{"--site", "uk", "--start", "9,99", "--closing", "152,50", "--bold", "--gallery"};
        const ProgramRun withLocale = runProgram(QStringList(listing) << "--locale", {}, german);
        QCOMPARE(withLocale.status, 0);
        QVERIFY2(withLocale.out.contains("Total eBay fees:   6,81\n"), withLocale.out.constData());
        // Without --locale numbers have a point, whatever the user's locale.
        QCOMPARE(runProgram(listing, {}, german).status, 1);
        // A comma amount is quoted in CSV and comes out quoted.
        const ProgramRun batch = runProgram({"--csv", "-", "--locale"}, "site,start,closing\nuk,\"9,99\",\"152,50\"\n", german);
        QCOMPARE(batch.status, 0);
        QVERIFY2(batch.out.contains("uk,\"9,99\",\"152,50\",\"0,35\",,\"0,00\",\"5,56\",,\"5,91\",,\r\n"),
                 batch.out.constData());
    }

    // ---- Atomic output ----

    void outputFileIsReplacedOnlyWhenComplete_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("replaced");

        QByteArray goodRows = Header;
        for (int row = 0; row < 3000; ++row)
            goodRows += GoodRowA + GoodRowB;
        QTest::newRow("complete") << QStringList{"--csv", "-"} << goodRows << 0 << true;
        QTest::newRow("complete with a bad row") << QStringList{"--csv", "-"} << goodRows + "zz,1,,,,,,,,,,\n" << 1 << true;
        QTest::newRow("unknown column") << QStringList{"--csv", "-"} << QByteArray("site,colour\nus,red\n") << 2 << false;
        // The rows before it were already written out when the input turns unreadable.
        QTest::newRow("stopped half-way") << QStringList{"--csv", "-"}
                                          << goodRows + "us,\"" + QByteArray(100000, 'x') + "\n" << 2 << false;
        QTest::newRow("failed listing") << QStringList{"--start", "abc"} << QByteArray() << 1 << false;
        QTest::newRow("one listing") << QStringList{"--start", "5"} << QByteArray() << 0 << true;
    }

    void outputFileIsReplacedOnlyWhenComplete()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(int, status);
        QFETCH(bool, replaced);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("fees.csv"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("the old fees\n");
        old.close();

        const ProgramRun run = runProgram(QStringList(arguments) << "-o" << path, input);
        QCOMPARE(run.status, status);
        QCOMPARE(run.out, QByteArray());
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"fees.csv"});
        QVERIFY(old.open(QIODevice::ReadOnly));
        const QByteArray contents = old.readAll();
        if (!replaced) {
            QCOMPARE(contents, QByteArray("the old fees\n"));
            return;
        }
        // The whole output, as the standard output would have had it.
        QCOMPARE(contents, runProgram(arguments, input).out);
    }
};

QTEST_GUILESS_MAIN(TestCliBatch)
#include "tst_clibatch.moc"
