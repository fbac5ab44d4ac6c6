#include "Brand.h"
#include "CCustomBrand.h"
#include "CRegistry.h"
#include "CalvextraVersion.h"
#include "LinkLabel.h"
#include "OpenedLinks.h"
#include "PointerMoves.h"
#include "ProgramIcon.h"
#include "RegistryLayer.h"
#include "frmAbout.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QDesktopServices>
#include <QEnterEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

// The About box: its texts, the company link and the system-information button.
class TestAbout : public QObject
{
    Q_OBJECT

    // The pointer arriving over a control, as the windowing system reports it.
    static void pointerEnters(QWidget *control)
    {
        const QPointF inside(2, 2);
        QEnterEvent enter(inside, control->mapTo(control->window(), inside), control->mapToGlobal(inside));
        QApplication::sendEvent(control, &enter);
    }

private Q_SLOTS:
    void initTestCase() { m_path = qgetenv("PATH"); }
    void cleanup()
    {
        Brand() = BrandValues::Defaults();
        CRegistry().DeleteKey(RegistryLayer::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"));
        qputenv("PATH", m_path);
    }

    // The program's icon serves every size from its nearest picture not smaller than asked for,
    // read only when asked.
    void programIconSizes_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("picture");  // the picture it is made from
        QTest::newRow("exact 16") << 16 << 16;
        QTest::newRow("between 24 and 32") << 28 << 32;
        QTest::newRow("exact 256") << 256 << 256;
        QTest::newRow("above the largest") << 300 << 256;
    }
    void programIconSizes()
    {
        QFETCH(int, asked);
        QFETCH(int, picture);
        const QIcon icon = ProgramIcon();
        QCOMPARE(icon.availableSizes().size(), 7);
        const QPixmap pixmap = icon.pixmap(QSize(asked, asked));
        QVERIFY(!pixmap.isNull());
        QCOMPARE(pixmap.size(), QSize(std::min(asked, 256), std::min(asked, 256)));
        const QPixmap original(QStringLiteral(":/icons/%1x%1/apps/calvextra.png").arg(picture));
        QVERIFY(!original.isNull());
        if (asked == picture)
            QCOMPARE(pixmap.toImage(), original.toImage());
    }

    void texts_data()
    {
        QTest::addColumn<bool>("branded");
        QTest::newRow("maker") << false;
        QTest::newRow("branded") << true;
    }
    void texts()
    {
        QFETCH(bool, branded);
        if (branded) {
            Brand().CompanyName = QStringLiteral("Acme Ltd");
            Brand().CompanyURL = QStringLiteral("https://acme.example/");
        }
        frmAbout about;
        QCOMPARE(about.windowTitle(), QStringLiteral("Calvextra - Calculate eBay Auction Fees"));
        QCOMPARE(about.lblTitle->text(), QStringLiteral("Calvextra"));
        QCOMPARE(about.lblVersion->text(), QStringLiteral("Version %1.%2.%3")
                                               .arg(CALVEXTRA_VERSION_MAJOR)
                                               .arg(CALVEXTRA_VERSION_MINOR)
                                               .arg(CALVEXTRA_VERSION_REVISION));
        QCOMPARE(about.lblInfo->text(), QStringLiteral("For more information about Calvextra, other %1 products and "
                                                       "product updates, please visit us at:")
                                            .arg(branded ? QStringLiteral("Acme Ltd") : QStringLiteral("Brontolux")));
        QCOMPARE(about.lblEmail->text(), Brand().CompanyURL);
        QVERIFY(about.lblDisclaimer->text().isEmpty());
        QCOMPARE(about.cmdOK->text(), QStringLiteral("OK"));
        QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    }

    // A brand file's texts are shown as written: no markup applied, no link, no picture loaded.
    void brandTextsShownAsWritten_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("markup") << QStringLiteral("<b>Bold</b> <a href='x'>link</a> <img src='/etc/hosts'>");
        QTest::newRow("ampersand") << QStringLiteral("Müller & Söhne");
        QTest::newRow("entity") << QStringLiteral("Acme &amp; Co");
    }
    void brandTextsShownAsWritten()
    {
        QFETCH(QString, text);
        QTemporaryDir folder;
        QFile file(QDir(folder.path()).filePath(QStringLiteral("AppData")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<CompanyName>%1</CompanyName>\r\n<CompanyURL>%1</CompanyURL>\r\n"
                                  "<SupportEmail>help@acme.example</SupportEmail><SupportURL>https://acme.example/</SupportURL>"
                                  "<SubscribeEmail>list@acme.example</SubscribeEmail>"
                                  "<ErrorReportEmail>crash@acme.example</ErrorReportEmail>")
                       .arg(text)
                       .toUtf8());
        file.close();
        QStringList messages;
        CCustomBrand::setMessageHandler([&messages](const QString &message) { messages.append(message); });
        CCustomBrand brand(folder.path());
        brand.LoadBrand();
        CCustomBrand::setMessageHandler({});
        QCOMPARE(messages, QStringList());
        QCOMPARE(Brand().CompanyName, text);

        frmAbout about;
        about.show();
        QCOMPARE(about.lblInfo->text(), QStringLiteral("For more information about Calvextra, other %1 products and "
                                                       "product updates, please visit us at:")
                                            .arg(text));
        QCOMPARE(about.lblEmail->text(), text);
        for (const QLabel *label : about.findChildren<QLabel *>()) {
            if (!label->text().isEmpty())
                QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
        }
        // Drawn as written, the link is as wide as its whole text; as markup the tags would vanish.
        QVERIFY(about.lblEmail->sizeHint().width() >= about.lblEmail->fontMetrics().horizontalAdvance(text));
    }

    void linkOpensTheCompanysPage()
    {
        OpenedLinks pages;
        frmAbout about;
        about.show();
        pointerEnters(about.lblEmail);
        QVERIFY(about.lblEmail->isShowingHoverColour());
        pointerEnters(about.lblInfo);
        QVERIFY(!about.lblEmail->isShowingHoverColour());
        pointerEnters(about.lblEmail);
        QTest::mousePress(&about, Qt::LeftButton, {}, QPoint(2, 2));  // a press on the box itself
        QVERIFY(!about.lblEmail->isShowingHoverColour());

        QTest::mousePress(about.lblEmail, Qt::LeftButton);
        QVERIFY(about.lblEmail->isShowingHoverColour());
        QCOMPARE(pages.urls, QList<QUrl>{QUrl(Brand().CompanyURL)});
        QTest::mouseRelease(about.lblEmail, Qt::LeftButton);
        QVERIFY(!about.lblEmail->isShowingHoverColour());
    }

    // The pointer moved through the windowing system between the link and another control of
    // the box, with a press and release on the link.
    void linkColourUnderTheRealPointer_data()
    {
        QTest::addColumn<QString>("control");
        for (const char *control : {"picIcon", "lblTitle", "lblVersion", "lblInfo", "lblDescription", "cmdOK", "cmdSysInfo"})
            QTest::newRow(control) << control;
    }
    void linkColourUnderTheRealPointer()
    {
        QFETCH(QString, control);
        OpenedLinks pages;
        frmAbout about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto *other = about.findChild<QWidget *>(control);
        QVERIFY(other && other->isVisible());
        LinkLabel *link = about.lblEmail;
        const QPoint onLink(link->fontMetrics().horizontalAdvance(link->text()) / 2, link->height() / 2);
        MoveCounter movesOverLink(link);

        pointerTo(other, other->rect().center());
        QVERIFY(!link->isShowingHoverColour());
        pointerTo(link, onLink);
        QVERIFY2(movesOverLink.moves > 0, "the pointer's moves do not reach the link");
        QVERIFY(link->isShowingHoverColour());
        pointerTo(link, onLink + QPoint(3, 1));
        QVERIFY(link->isShowingHoverColour());
        pointerTo(other, other->rect().center() + QPoint(1, 1));
        QVERIFY(!link->isShowingHoverColour());

        pointerTo(link, onLink);
        QVERIFY(link->isShowingHoverColour());
        QTest::mousePress(link, Qt::LeftButton, {}, onLink);
        QVERIFY(link->isShowingHoverColour());
        QCOMPARE(pages.urls, QList<QUrl>{QUrl(Brand().CompanyURL)});
        QTest::mouseRelease(link, Qt::LeftButton, {}, onLink);
        QVERIFY(!link->isShowingHoverColour());
        pointerTo(link, onLink + QPoint(-2, 1));
        QVERIFY(link->isShowingHoverColour());
        pointerTo(other, other->rect().center());
        QVERIFY(!link->isShowingHoverColour());
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    }

    void okCloses()
    {
        frmAbout about;
        about.show();
        about.cmdOK->click();
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int(QDialog::Accepted));
    }

    // Only a known system-information program found on the PATH is started, the first of the
    // list that is there; never a program the user-writable store names.
    void systemInformation_data()
    {
        QTest::addColumn<QStringList>("onPath");   // programs put in the PATH's only folder
        QTest::addColumn<bool>("namedInStore");    // a program planted in the store as well
        QTest::addColumn<QString>("started");      // empty: none, the "unavailable" message
        QTest::newRow("empty PATH") << QStringList() << false << QString();
        QTest::newRow("planted in the store, empty PATH") << QStringList() << true << QString();
        QTest::newRow("planted in the store, known program on the PATH")
            << QStringList{QStringLiteral("kinfocenter")} << true << QStringLiteral("kinfocenter");
        QTest::newRow("KDE") << QStringList{QStringLiteral("kinfocenter")} << false << QStringLiteral("kinfocenter");
        QTest::newRow("GNOME") << QStringList{QStringLiteral("gnome-system-monitor")} << false
                               << QStringLiteral("gnome-system-monitor");
        QTest::newRow("first of the list wins")
            << QStringList{QStringLiteral("gnome-system-monitor"), QStringLiteral("hardinfo")} << false
            << QStringLiteral("hardinfo");
        QTest::newRow("unknown program") << QStringList{QStringLiteral("msinfo32"), QStringLiteral("sysinfo")}
                                         << false << QString();
    }

    void systemInformation()
    {
        QFETCH(QStringList, onPath);
        QFETCH(bool, namedInStore);
        QFETCH(QString, started);
        QTemporaryDir folder;
        const QString bin = folder.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        for (const QString &name : onPath)
            QVERIFY(writeProgram(QDir(bin).filePath(name), folder.filePath(name + QStringLiteral(".started"))));
        const QString planted = folder.filePath(QStringLiteral("planted"));
        QVERIFY(writeProgram(planted, planted + QStringLiteral(".started")));
        if (namedInStore) {
            const QString key = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
            CRegistry registry;
            QVERIFY(registry.CreateKey(RegistryLayer::HKEY_LOCAL_MACHINE, key));
            QVERIFY(registry.SetValue(RegistryLayer::HKEY_LOCAL_MACHINE, key, QStringLiteral("PATH"), planted));
        }
        qputenv("PATH", onPath.isEmpty() ? QByteArray() : bin.toLocal8Bit());

        frmAbout about;
        about.show();
        QString message;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&message] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                message = box->text();
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        watch.start(20);
        QTest::mouseClick(about.cmdSysInfo, Qt::LeftButton);
        if (!started.isEmpty())
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.filePath(started + QStringLiteral(".started"))), 10000);
        QTest::qWait(300);  // a wrongly started program has had its time to leave its mark

        QCOMPARE(message, started.isEmpty() ? QStringLiteral("System Information Is Unavailable At This Time") : QString());
        QVERIFY2(!QFile::exists(planted + QStringLiteral(".started")), "the program named in the store was started");
        for (const QString &name : onPath) {
            if (name != started)
                QVERIFY2(!QFile::exists(folder.filePath(name + QStringLiteral(".started"))), qPrintable(name));
        }
    }

private:
    // A program that leaves a marker file when it runs.
    static bool writeProgram(const QString &path, const QString &marker)
    {
        QFile script(path);
        if (!script.open(QIODevice::WriteOnly))
            return false;
        script.write(QStringLiteral("#!/bin/sh\n/usr/bin/touch '%1'\n").arg(marker).toUtf8());
        script.close();
        return script.setPermissions(script.permissions() | QFile::ExeOwner);
    }

    QByteArray m_path;
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
