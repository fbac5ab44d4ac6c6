#include "Brand.h"
#include "CError.h"
#include "CalvextraVersion.h"
#include "FError.h"
#include "LanguageResources.h"
#include "Localization.h"
#include "MakerEndpoints.h"
#include "OpenedLinks.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QUrl>
#include <QUrlQuery>

namespace {

// A language library whose every text names its id, to see which ids the dialog looks up.
class MarkingResources : public clsResources
{
public:
    QString GetResourceString(qint32 &ResourceIndex) override { return QStringLiteral("[%1]").arg(ResourceIndex); }
};

QList<FError *> openDialogs()
{
    QList<FError *> dialogs;
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *dialog = qobject_cast<FError *>(widget); dialog && dialog->isVisible())
            dialogs.append(dialog);
    }
    return dialogs;
}

template <typename T>
T *control(FError *dialog, const char *name)
{
    T *found = dialog->findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control named %s", name);
    return found;
}

QString expectedSubject()
{
    return QStringLiteral("Calvextra %1.%2.%3 Error")
        .arg(CALVEXTRA_VERSION_MAJOR)
        .arg(CALVEXTRA_VERSION_MINOR)
        .arg(CALVEXTRA_VERSION_REVISION);
}

} // namespace

class tst_ErrorDialog : public QObject
{
    Q_OBJECT

private:
    OpenedLinks *m_links = nullptr;

    // Opens a dialog as the program does and returns it.
    FError *alert(const QString &errorText)
    {
        const QList<FError *> before = openDialogs();
        CError::Alert(errorText);
        FError *opened = nullptr;
        for (FError *dialog : openDialogs()) {
            if (!before.contains(dialog))
                opened = dialog;
        }
        if (!opened)
            qFatal("Alert opened no dialog");
        return opened;
    }

private Q_SLOTS:
    void initTestCase() { m_links = new OpenedLinks({QStringLiteral("mailto"), QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("file")}); }
    void cleanupTestCase() { delete m_links; }

    void init() { m_links->urls.clear(); }

    void cleanup()
    {
        for (FError *dialog : openDialogs())
            dialog->close();
        QTRY_COMPARE(openDialogs().size(), 0);
        setLanguageResources(nullptr);
        Brand() = BrandValues::Defaults();
    }

    void captions()
    {
        // The brand does not reach this dialog: its support team stays the maker's.
        Brand().CompanyName = QStringLiteral("Acme Tools");
        FError *dialog = alert(QStringLiteral("Overflow"));

        QCOMPARE(dialog->objectName(), u"FError"_qs);
        QCOMPARE(dialog->windowTitle(), u"Calvextra  Error"_qs);
        QCOMPARE(control<QLabel>(dialog, "lblError")->text(),
                 u"An error has occured in this application.  The application has returned the following information about this error:"_qs);
        QCOMPARE(control<QPlainTextEdit>(dialog, "txtError")->toPlainText(), u"Overflow"_qs);
        QCOMPARE(control<QLabel>(dialog, "lblToEmail")->text(),
                 u"Please take a moment to send this error information to the Brontolux technical support team for review.  You may also continue without sending this error to us."_qs);
        QCOMPARE(control<QPushButton>(dialog, "cmdEmail")->text(), u"&Send Error"_qs);
        QCOMPARE(control<QPushButton>(dialog, "cmdContinue")->text(), u"&Continue"_qs);
        QVERIFY(control<QPlainTextEdit>(dialog, "txtError")->isReadOnly());
    }

    // The captions are looked up when the dialog loads, in the language running then.
    void captionsLookedUpAtLoad()
    {
        auto *dialog = new FError;
        dialog->Initialize(QStringLiteral("Overflow"));
        MarkingResources language;
        setLanguageResources(&language);
        dialog->show();

        QCOMPARE(dialog->windowTitle(), u"Calvextra  [603]"_qs);
        QCOMPARE(control<QLabel>(dialog, "lblError")->text(), u"[213]"_qs);
        QCOMPARE(control<QLabel>(dialog, "lblToEmail")->text(), u"[604]"_qs);
        QCOMPARE(control<QPushButton>(dialog, "cmdEmail")->text(), u"[211]"_qs);
        QCOMPARE(control<QPushButton>(dialog, "cmdContinue")->text(), u"[212]"_qs);
        QCOMPARE(control<QPlainTextEdit>(dialog, "txtError")->toPlainText(), u"Overflow"_qs);
        dialog->close();
    }

    // Modeless, on top of every other window, and Alert returns while it is open.
    void topmostAndModeless()
    {
        FError *dialog = alert(QStringLiteral("Overflow"));
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(dialog->isWindow());
        QVERIFY(!dialog->isModal());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(dialog->testAttribute(Qt::WA_DeleteOnClose));
    }

    void multiLineText_data()
    {
        QTest::addColumn<QString>("errorText");
        QTest::newRow("CR LF") << u"Error 6\r\nOverflow\r\nin CalculateFees"_qs;
        QTest::newRow("LF") << u"Error 6\nOverflow\nin CalculateFees"_qs;
        QTest::newRow("CR") << u"Error 6\rOverflow\rin CalculateFees"_qs;
        QTest::newRow("mixed") << u"Error 6\r\nOverflow\nin CalculateFees"_qs;
    }

    void multiLineText()
    {
        QFETCH(QString, errorText);
        auto *text = control<QPlainTextEdit>(alert(errorText), "txtError");
        const QStringList expected = {u"Error 6"_qs, u"Overflow"_qs, u"in CalculateFees"_qs};
        QStringList shown;
        for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next())
            shown.append(block.text());
        QCOMPARE(shown, expected);
    }

    // The mail link carries the text exactly, whatever characters it holds.
    void send_data()
    {
        QTest::addColumn<QString>("errorText");
        QTest::newRow("plain") << u"Overflow"_qs;
        QTest::newRow("line breaks") << u"Error 6\r\nOverflow\r\n\r\nin CalculateFees\n"_qs;
        QTest::newRow("spaces kept") << u"  two leading, two trailing  "_qs;
        QTest::newRow("query delimiters") << u"a&body=b&subject=c #d ?e"_qs;
        QTest::newRow("plus and percent") << u"1+1 = 2, 100% %41 %zz"_qs;
        QTest::newRow("non-ASCII") << u"Überlauf in Gebühren € — 費用"_qs;
        QTest::newRow("tab and quotes") << u"\t\"quoted\" 'single' <tag> \\back"_qs;
        QTest::newRow("empty") << QString();
    }

    void send()
    {
        QFETCH(QString, errorText);
        QPointer<FError> dialog = alert(errorText);
        QTest::mouseClick(control<QPushButton>(dialog, "cmdEmail"), Qt::LeftButton);

        QCOMPARE(m_links->urls.size(), 1);
        const QUrl link = m_links->urls.first();
        QCOMPARE(link.scheme(), u"mailto"_qs);
        QCOMPARE(link.path(), MakerEndpoints::ErrorReportMailbox);
        const QUrlQuery query(link);
        QCOMPARE(query.queryItems(QUrl::FullyDecoded).size(), 2);
        QCOMPARE(query.queryItems(QUrl::FullyDecoded).at(0).first, u"subject"_qs);
        QCOMPARE(query.queryItemValue(u"subject"_qs, QUrl::FullyDecoded), expectedSubject());
        QCOMPARE(query.queryItemValue(u"body"_qs, QUrl::FullyDecoded), errorText);

        // The link as text, as the mail program receives it: nothing unencoded that a mail
        // program could split at or read as a space.
        const QByteArray encoded = link.toEncoded();
        for (char c : {' ', '\r', '\n', '\t', '+', '#'})
            QVERIFY2(!encoded.contains(c), encoded.constData());
        QCOMPARE(QUrlQuery(QUrl::fromEncoded(encoded)).queryItemValue(u"body"_qs, QUrl::FullyDecoded), errorText);

        QTRY_VERIFY(dialog.isNull());
    }

    // A branded installation still reports errors to the maker.
    void sendIgnoresBrand()
    {
        Brand().ErrorReportEmail = QStringLiteral("crash@acme.example");
        Brand().CompanyName = QStringLiteral("Acme Tools");
        QTest::mouseClick(control<QPushButton>(alert(QStringLiteral("Overflow")), "cmdEmail"), Qt::LeftButton);
        QCOMPARE(m_links->urls.size(), 1);
        QCOMPARE(m_links->urls.first().path(), MakerEndpoints::ErrorReportMailbox);
        QCOMPARE(QUrlQuery(m_links->urls.first()).queryItemValue(u"subject"_qs, QUrl::FullyDecoded), expectedSubject());
    }

    void continueClosesOnly()
    {
        QPointer<FError> dialog = alert(QStringLiteral("Overflow"));
        QTest::mouseClick(control<QPushButton>(dialog, "cmdContinue"), Qt::LeftButton);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(m_links->urls, QList<QUrl>());
    }

    void closedByWindow()
    {
        QPointer<FError> dialog = alert(QStringLiteral("Overflow"));
        dialog->close();
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(m_links->urls, QList<QUrl>());
    }

    void escapeSendsNothing()
    {
        QPointer<FError> dialog = alert(QStringLiteral("Overflow"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(m_links->urls, QList<QUrl>());
    }

    // One dialog per Alert, each with its own text; sending one leaves the others open.
    void severalDialogs()
    {
        QPointer<FError> first = alert(QStringLiteral("first error"));
        QPointer<FError> second = alert(QStringLiteral("second error"));
        QPointer<FError> third = alert(QStringLiteral("third error"));
        QCOMPARE(openDialogs().size(), 3);
        QCOMPARE(control<QPlainTextEdit>(first, "txtError")->toPlainText(), u"first error"_qs);
        QCOMPARE(control<QPlainTextEdit>(third, "txtError")->toPlainText(), u"third error"_qs);

        QTest::mouseClick(control<QPushButton>(second, "cmdEmail"), Qt::LeftButton);
        QTRY_VERIFY(second.isNull());
        QCOMPARE(m_links->urls.size(), 1);
        QCOMPARE(QUrlQuery(m_links->urls.first()).queryItemValue(u"body"_qs, QUrl::FullyDecoded), u"second error"_qs);
        QVERIFY(first && first->isVisible());
        QVERIFY(third && third->isVisible());

        QTest::mouseClick(control<QPushButton>(first, "cmdContinue"), Qt::LeftButton);
        QTRY_VERIFY(first.isNull());
        QCOMPARE(openDialogs(), QList<FError *>{third.data()});
        QCOMPARE(m_links->urls.size(), 1);
    }
};

QTEST_MAIN(tst_ErrorDialog)
#include "tst_errordialog.moc"
