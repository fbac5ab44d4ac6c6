#include "Brand.h"
#include "CCustomBrand.h"
#include "Localization.h"
#include "MakerEndpoints.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

// The message about a broken brand file, up to the description of what is wrong.
const QString ProblemText = QStringLiteral("There appears to be a problem with a file \r\n"
                                           "file included in the setup of this \r\n"
                                           "application.  Please try re-installing \r\n"
                                           "the software.  \r\n"
                                           "\r\n");

const QStringList Keys = {QStringLiteral("CompanyName"),    QStringLiteral("CompanyURL"),
                          QStringLiteral("SupportEmail"),   QStringLiteral("SupportURL"),
                          QStringLiteral("SubscribeEmail"), QStringLiteral("ErrorReportEmail")};

// A brand of another company, element by element, in the order of the keys.
const QStringList AcmeValues = {QStringLiteral("Acme Tools"),
                                QStringLiteral("https://www.acme.example/"),
                                QStringLiteral("help@acme.example"),
                                QStringLiteral("https://www.acme.example/support"),
                                QStringLiteral("news@acme.example"),
                                QStringLiteral("crash@acme.example")};

QByteArray element(const QString &key, const QString &value)
{
    return (QLatin1Char('<') + key + QLatin1Char('>') + value + QStringLiteral("</") + key + QLatin1Char('>')).toUtf8();
}

QList<QByteArray> acmeElements()
{
    QList<QByteArray> elements;
    for (int i = 0; i < Keys.size(); ++i)
        elements.append(element(Keys[i], AcmeValues[i]));
    return elements;
}

QStringList values(const BrandValues &brand)
{
    return {brand.CompanyName,  brand.CompanyURL,     brand.SupportEmail,
            brand.SupportURL,   brand.SubscribeEmail, brand.ErrorReportEmail};
}

// Values no brand file and no default gives, so that every value LoadBrand leaves alone shows.
BrandValues untouched()
{
    const QString mark = QStringLiteral("untouched");
    return {mark, mark, mark, mark, mark, mark};
}

} // namespace

class tst_Brand : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_folder;
    QStringList m_messages;

    QString brandFile() const { return QDir(m_folder.path()).filePath(QStringLiteral("AppData")); }

    void writeBrandFile(const QByteArray &bytes) const
    {
        QFile file(brandFile());
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(file.write(bytes), bytes.size());
    }

    // Loads the brand of the test's folder as the start-up does.
    CCustomBrand load()
    {
        CCustomBrand brand(m_folder.path());
        brand.LoadBrand();
        return brand;
    }

    QStringList messagesFor(const QString &prefix, const QStringList &keys) const
    {
        QStringList expected;
        for (const QString &key : keys)
            expected.append(ProblemText + prefix + key);
        return expected;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        CCustomBrand::setMessageHandler([this](const QString &text) { m_messages.append(text); });
    }

    void init()
    {
        m_messages.clear();
        QDir(m_folder.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_folder.path()));
        Brand() = untouched();
    }

    void cleanupTestCase() { Brand() = BrandValues::Defaults(); }

    // Positions counted by hand from the element layout "<Key>value</Key>".
    void getBrandValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");  // description in the message, "" for none

        const QString notFound = QStringLiteral("Key not found: ");
        const QString notClosed = QStringLiteral("Key not closed: ");
        QTest::newRow("element") << u"<CompanyName>Acme</CompanyName>"_qs << u"CompanyName"_qs << u"Acme"_qs << QString();
        QTest::newRow("one character") << u"<CompanyName>A</CompanyName>"_qs << u"CompanyName"_qs << u"A"_qs << QString();
        QTest::newRow("empty value") << u"<CompanyURL></CompanyURL>"_qs << u"CompanyURL"_qs << QString() << QString();
        QTest::newRow("spaces kept") << u"<CompanyName>  Acme Tools  </CompanyName>"_qs << u"CompanyName"_qs
                                     << u"  Acme Tools  "_qs << QString();
        QTest::newRow("only spaces") << u"<CompanyName>   </CompanyName>"_qs << u"CompanyName"_qs << u"   "_qs << QString();
        QTest::newRow("text around") << u"junk <SupportURL>https://acme.example/s?a=1&b=2</SupportURL> tail"_qs
                                     << u"SupportURL"_qs << u"https://acme.example/s?a=1&b=2"_qs << QString();
        QTest::newRow("among others") << u"<CompanyName>Acme</CompanyName><SupportEmail>h@acme.example</SupportEmail>"_qs
                                      << u"SupportEmail"_qs << u"h@acme.example"_qs << QString();
        QTest::newRow("angle brackets in value") << u"<CompanyName>A<b>c</CompanyName>"_qs << u"CompanyName"_qs
                                                 << u"A<b>c"_qs << QString();
        QTest::newRow("non-ASCII") << u"<CompanyName>Müller & Söhne €</CompanyName>"_qs << u"CompanyName"_qs
                                   << u"Müller & Söhne €"_qs << QString();
        // The first occurrence of the name counts, wherever it is: here inside the company name.
        // From the "S" at 14, the value starts at 14 + 10 + 1 = 25 ("Inc") and ends two before the
        // next "SupportURL" at 43.
        QTest::newRow("name inside an earlier value")
            << u"<CompanyName>SupportURL Inc</CompanyName><SupportURL>u</SupportURL>"_qs << u"SupportURL"_qs
            << u"Inc</CompanyName"_qs << QString();
        QTest::newRow("missing") << u"<CompanyName>Acme</CompanyName>"_qs << u"SupportURL"_qs << QString()
                                 << notFound + u"SupportURL"_qs;
        QTest::newRow("other case") << u"<supporturl>u</supporturl>"_qs << u"SupportURL"_qs << QString()
                                    << notFound + u"SupportURL"_qs;
        QTest::newRow("empty text") << QString() << u"CompanyName"_qs << QString() << notFound + u"CompanyName"_qs;
        QTest::newRow("empty key") << u"<CompanyName>Acme</CompanyName>"_qs << QString() << QString() << notFound;
        QTest::newRow("not closed") << u"<SupportURL>https://acme.example/"_qs << u"SupportURL"_qs << QString()
                                    << notClosed + u"SupportURL"_qs;
        QTest::newRow("opening tag at the end") << u"<CompanyName>"_qs << u"CompanyName"_qs << QString()
                                                << notClosed + u"CompanyName"_qs;
        QTest::newRow("name at the very end") << u"<CompanyName"_qs << u"CompanyName"_qs << QString()
                                              << notClosed + u"CompanyName"_qs;
        // Start 14; the next name at 15 leaves a length of 15 - 2 - 14 = -1.
        QTest::newRow("closing name one after the start")
            << u"<CompanyName>/CompanyName>"_qs << u"CompanyName"_qs << QString() << notClosed + u"CompanyName"_qs;
        // Start 13 right on the second name: length 13 - 2 - 13 = -2.
        QTest::newRow("name twice in a row") << u"CompanyNameXCompanyName"_qs << u"CompanyName"_qs << QString()
                                             << notClosed + u"CompanyName"_qs;
        // Start 14; the closing name at 16 gives a length of 0.
        QTest::newRow("closing name two after the start")
            << u"<CompanyName></CompanyName>"_qs << u"CompanyName"_qs << QString() << QString();
    }

    void getBrandValue()
    {
        QFETCH(QString, text);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, problem);

        QCOMPARE(CCustomBrand::GetBrandValue(text, key), value);
        if (problem.isEmpty())
            QCOMPARE(m_messages, QStringList());
        else
            QCOMPARE(m_messages, QStringList{ProblemText + problem});
    }

    // However the lines are broken, the file reads as the same text on one line.
    void linesJoin_data()
    {
        QTest::addColumn<QByteArray>("bytes");

        const QByteArray oneLine = acmeElements().join();
        QTest::newRow("one line") << oneLine;
        QTest::newRow("one line, line break at the end") << oneLine + "\r\n";
        QTest::newRow("one element per line, CR LF") << acmeElements().join("\r\n") + "\r\n";
        QTest::newRow("one element per line, LF") << acmeElements().join("\n");
        QTest::newRow("one element per line, CR") << acmeElements().join("\r");
        QTest::newRow("empty lines between") << "\n\n" + acmeElements().join("\r\n\r\n\n") + "\n\n\n";
        QByteArray brokenInside = oneLine;
        brokenInside.replace("Acme Tools", "Ac\r\nme T\nools").replace("</SupportURL>", "</Support\nURL>");
        QTest::newRow("lines broken inside values and tags") << brokenInside;
        QTest::newRow("UTF-8 byte-order mark") << "\xEF\xBB\xBF" + acmeElements().join("\r\n");
        const QString text = QString::fromUtf8(acmeElements().join("\r\n"));
        QByteArray utf16(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QTest::newRow("UTF-16 with byte-order mark") << "\xFF\xFE" + utf16;
    }

    void linesJoin()
    {
        QFETCH(QByteArray, bytes);
        writeBrandFile(bytes);

        const CCustomBrand brand = load();
        QVERIFY(brand.IsCustomBrand());
        QCOMPARE(brand.BrandText(), QString::fromUtf8(acmeElements().join()));
        QCOMPARE(values(Brand()), AcmeValues);
        QCOMPARE(m_messages, QStringList());
    }

    void spacesAtLineEndsKept()
    {
        writeBrandFile("<CompanyName> Acme \r\n Tools </CompanyName>\r\n" + acmeElements().mid(1).join("\r\n"));
        load();
        QCOMPARE(Brand().CompanyName, u" Acme  Tools "_qs);
        QCOMPARE(m_messages, QStringList());
    }

    void readBrandFile()
    {
        const QByteArray bytes = "  <CompanyName>Acme</CompanyName>  \r\nfree text\r\n";
        writeBrandFile(bytes);
        CCustomBrand brand(m_folder.path());
        QVERIFY(!brand.IsCustomBrand());
        QCOMPARE(brand.ReadBrandFile(), u"  <CompanyName>Acme</CompanyName>  free text"_qs);
        QVERIFY(brand.IsCustomBrand());
        // Reading alone sets nothing program-wide.
        QCOMPARE(values(Brand()), values(untouched()));
        QCOMPARE(m_messages, QStringList());
    }

    void allSixKeys_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("in order") << acmeElements().join("\r\n");
        QList<QByteArray> reversed = acmeElements();
        std::reverse(reversed.begin(), reversed.end());
        QTest::newRow("reversed, with text between") << reversed.join(" -- comment -- ");
    }

    void allSixKeys()
    {
        QFETCH(QByteArray, bytes);
        writeBrandFile(bytes);
        const CCustomBrand brand = load();
        QVERIFY(brand.IsCustomBrand());
        QCOMPARE(values(Brand()), AcmeValues);
        QCOMPARE(CompanyName(), u"Acme Tools"_qs);
        QCOMPARE(WithCompanyName(u"Join Brontolux Mailing List"_qs), u"Join Acme Tools Mailing List"_qs);
        QCOMPARE(m_messages, QStringList());
    }

    // Each missing key gives one message and an empty value; the others are still read.
    void missingKeys_data()
    {
        QTest::addColumn<QStringList>("missing");
        for (const QString &key : Keys)
            QTest::newRow(qPrintable(key)) << QStringList{key};
        QTest::newRow("SupportURL and SubscribeEmail") << QStringList{u"SupportURL"_qs, u"SubscribeEmail"_qs};
        QTest::newRow("all but CompanyName") << Keys.mid(1);
    }

    void missingKeys()
    {
        QFETCH(QStringList, missing);
        QList<QByteArray> elements;
        QStringList expected;
        for (int i = 0; i < Keys.size(); ++i) {
            if (missing.contains(Keys[i])) {
                expected.append(QString());
            } else {
                elements.append(element(Keys[i], AcmeValues[i]));
                expected.append(AcmeValues[i]);
            }
        }
        writeBrandFile(elements.join("\r\n"));

        const CCustomBrand brand = load();
        QVERIFY(brand.IsCustomBrand());
        QCOMPARE(values(Brand()), expected);
        QCOMPARE(m_messages, messagesFor(u"Key not found: "_qs, missing));
    }

    void missingSupportURL()
    {
        QList<QByteArray> elements = acmeElements();
        elements.removeAt(Keys.indexOf(u"SupportURL"_qs));
        writeBrandFile(elements.join("\n"));

        const CCustomBrand brand = load();
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_messages.first().startsWith(ProblemText));
        QVERIFY(m_messages.first().endsWith(u"SupportURL"_qs));
        QCOMPARE(Brand().SupportURL, QString());
        QCOMPARE(Brand().CompanyName, u"Acme Tools"_qs);
        QCOMPARE(Brand().SupportEmail, u"help@acme.example"_qs);
        QCOMPARE(Brand().ErrorReportEmail, u"crash@acme.example"_qs);
        QVERIFY(brand.IsCustomBrand());
    }

    void unclosedKey()
    {
        // SupportEmail opens but never closes; the keys after it are still found.
        QList<QByteArray> elements = acmeElements();
        elements[2] = "<SupportEmail>help@acme.example";
        writeBrandFile(elements.join("\r\n"));

        load();
        QCOMPARE(m_messages, messagesFor(u"Key not closed: "_qs, {u"SupportEmail"_qs}));
        QStringList expected = AcmeValues;
        expected[2] = QString();
        QCOMPARE(values(Brand()), expected);
    }

    // An empty file is still a brand file: every key is missing.
    void emptyFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no bytes") << QByteArray();
        QTest::newRow("only line breaks") << QByteArray("\r\n\n\r\r\n");
        QTest::newRow("only a byte-order mark") << QByteArray("\xEF\xBB\xBF");
    }

    void emptyFile()
    {
        QFETCH(QByteArray, bytes);
        writeBrandFile(bytes);
        const CCustomBrand brand = load();
        QVERIFY(brand.IsCustomBrand());
        QCOMPARE(brand.BrandText(), QString());
        QCOMPARE(values(Brand()), QStringList(6, QString()));
        QCOMPARE(m_messages, messagesFor(u"Key not found: "_qs, Keys));
    }

    // Far beyond 32,767 characters: positions do not wrap, and the file reads in linear time.
    void largeFile()
    {
        const QByteArray filler = QByteArray("free text that is not a key, ").repeated(36000);  // about 1 MB
        const QString longName = QString(40000, QLatin1Char('N'));
        QList<QByteArray> elements = acmeElements();
        elements[0] = element(u"CompanyName"_qs, longName);
        QByteArray bytes;
        for (const QByteArray &one : elements)
            bytes += filler.left(filler.size() / 6) + "\r\n" + one + "\r\n";
        QVERIFY(bytes.size() > 1000000);
        writeBrandFile(bytes);

        QElapsedTimer timer;
        timer.start();
        const CCustomBrand brand = load();
        QVERIFY2(timer.elapsed() < 5000, qPrintable(QString::number(timer.elapsed())));
        QStringList expected = AcmeValues;
        expected[0] = longName;
        QCOMPARE(values(Brand()), expected);
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(brand.BrandText().size(), bytes.size() - 4 * Keys.size());
    }

    void largeFileWithoutKeys()
    {
        writeBrandFile(QByteArray(1 << 20, '<'));
        QElapsedTimer timer;
        timer.start();
        load();
        QVERIFY(timer.elapsed() < 5000);
        QCOMPARE(m_messages.size(), 6);
        QCOMPARE(values(Brand()), QStringList(6, QString()));
    }

    // Without a file named exactly "AppData" the maker's values apply, silently.
    void noFile_data()
    {
        QTest::addColumn<QString>("otherName");  // a file that is not the brand file; "" none
        QTest::newRow("empty folder") << QString();
        QTest::newRow("other case") << u"appdata"_qs;
        QTest::newRow("with an extension") << u"AppData.txt"_qs;
    }

    void noFile()
    {
        QFETCH(QString, otherName);
        if (!otherName.isEmpty()) {
            QFile other(QDir(m_folder.path()).filePath(otherName));
            QVERIFY(other.open(QIODevice::WriteOnly));
            other.write(acmeElements().join());
        }
        const CCustomBrand brand = load();
        QVERIFY(!brand.IsCustomBrand());
        QCOMPARE(brand.BrandText(), QString());
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(values(Brand()), values(BrandValues::Defaults()));
    }

    void brandFileIsAFolder()
    {
        QVERIFY(QDir(m_folder.path()).mkdir(u"AppData"_qs));
        const CCustomBrand brand = load();
        QVERIFY(!brand.IsCustomBrand());
        QCOMPARE(m_messages, QStringList());
        QCOMPARE(values(Brand()), values(BrandValues::Defaults()));
    }

    void folderMissing()
    {
        CCustomBrand brand(QDir(m_folder.path()).filePath(u"not/there"_qs));
        brand.LoadBrand();
        QVERIFY(!brand.IsCustomBrand());
        QCOMPARE(values(Brand()), values(BrandValues::Defaults()));
    }

    void defaults()
    {
        load();
        QCOMPARE(Brand().CompanyName, u"Brontolux"_qs);
        QVERIFY(Brand().SupportURL.endsWith(u"/Contact.html"_qs));
        QCOMPARE(Brand().ErrorReportEmail, MakerEndpoints::ErrorReportMailbox);
        for (const QString &value : values(Brand()))
            QVERIFY(!value.isEmpty());
    }

    // Bytes that are no text: the keys around them are still found.
    void garbage_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("companyName");
        QTest::addColumn<int>("messages");

        const QByteArray rest = acmeElements().mid(1).join();
        QTest::newRow("invalid UTF-8 between elements")
            << "\x80\x81\xC3(" + element(u"CompanyName"_qs, u"Acme"_qs) + "\xFF\xC0\xAF" + rest + "\xE2\x82" << u"Acme"_qs << 0;
        QTest::newRow("invalid UTF-8 in a value")
            << "<CompanyName>A\xFF" "B</CompanyName>" + rest << u"A\uFFFDB"_qs << 0;
        QTest::newRow("Latin-1 umlaut") << "<CompanyName>M\xFCller</CompanyName>" + rest << u"M\uFFFDller"_qs << 0;
        QTest::newRow("NUL bytes") << QByteArray("<CompanyName>A\0B</CompanyName>\0", 31) + rest
                                   << QString(u"A\0B"_qs) << 0;
        QTest::newRow("control characters") << "\x01\x02<CompanyName>\t\x1B</CompanyName>\x7F" + rest << u"\t\x1B"_qs << 0;
        QByteArray noise(4096, 0);
        QRandomGenerator generator(7);
        for (char &byte : noise)
            byte = char(generator.bounded(256));
        noise.replace('<', 'x');
        QTest::newRow("random bytes") << noise << QString() << 6;
    }

    void garbage()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, companyName);
        QFETCH(int, messages);
        writeBrandFile(bytes);

        const CCustomBrand brand = load();
        QVERIFY(brand.IsCustomBrand());
        QCOMPARE(Brand().CompanyName, companyName);
        QCOMPARE(m_messages.size(), messages);
        if (messages == 0)
            QCOMPARE(values(Brand()).mid(1), AcmeValues.mid(1));
    }

    // The message as the user sees it: a box with only an OK button, titled with the program's
    // name.
    void messageBox()
    {
        CCustomBrand::setMessageHandler({});
        setApplicationTitle(u"Calvextra"_qs);
        QString title, text;
        QList<QMessageBox::StandardButton> buttons;
        bool seen = false;
        QTimer watcher;
        watcher.setInterval(20);
        connect(&watcher, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            watcher.stop();
            seen = true;
            title = box->windowTitle();
            text = box->text();
            for (QAbstractButton *button : box->buttons())
                buttons.append(box->standardButton(button));
            box->accept();
        });
        watcher.start();
        const QString value = CCustomBrand::GetBrandValue(u"<CompanyName>Acme"_qs, u"CompanyName"_qs);
        CCustomBrand::setMessageHandler([this](const QString &message) { m_messages.append(message); });

        QVERIFY(seen);
        QCOMPARE(value, QString());
        QCOMPARE(title, u"Calvextra"_qs);
        QCOMPARE(text, ProblemText + u"Key not closed: CompanyName"_qs);
        QCOMPARE(buttons, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    }
};

QTEST_MAIN(tst_Brand)
#include "tst_brand.moc"
