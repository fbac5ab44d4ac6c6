#include "Brand.h"
#include "CRegistry.h"
#include "CalvextraVersion.h"
#include "LinkLabel.h"
#include "OpenedLinks.h"
#include "PointerMoves.h"
#include "RegistryLayer.h"
#include "frmAbout.h"

#include <QApplication>
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
    void cleanup()
    {
        Brand() = BrandValues::Defaults();
        CRegistry().DeleteKey(RegistryLayer::HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"));
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

    void systemInformationUnavailable()
    {
        frmAbout about;
        about.show();
        QString message;
        QTimer::singleShot(0, this, [&message] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                message = box->text();
                box->accept();
            }
        });
        about.cmdSysInfo->click();
        QCOMPARE(message, QStringLiteral("System Information Is Unavailable At This Time"));
    }

    void systemInformationProgramFromTheRegistry()
    {
        QTemporaryDir folder;
        const QString marker = folder.filePath(QStringLiteral("started"));
        const QString program = folder.filePath(QStringLiteral("msinfo.sh"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFile::ExeOwner);

        const QString key = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
        CRegistry registry;
        QVERIFY(registry.CreateKey(RegistryLayer::HKEY_LOCAL_MACHINE, key));
        QVERIFY(registry.SetValue(RegistryLayer::HKEY_LOCAL_MACHINE, key, QStringLiteral("PATH"), program));

        frmAbout about;
        about.show();
        bool messageShown = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&messageShown] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                messageShown = true;
                box->close();
            }
        });
        watch.start(20);
        about.cmdSysInfo->click();
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QVERIFY(!messageShown);
    }
};

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
