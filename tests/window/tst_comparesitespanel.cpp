#include "CompareSitesPanel.h"
#include "NumberText.h"
#include "WindowFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>

// The comparison of sites against the calculator itself: the figures the panel shows for a site
// are those the tab shows after switching to that site and entering the listing there by hand.
class TestCompareSitesPanel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { UseNumberLocale(QLocale(QStringLiteral("en_US"))); }
    void init() { fixture = std::make_unique<WindowFixture>(); }
    void cleanup()
    {
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));
        fixture.reset();
    }

    void figuresEqualSwitchingByHand_data()
    {
        QTest::addColumn<bool>("lot");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<QStringList>("options");  // in the order a user reaches them
        QTest::newRow("reserve not met") << false << "100" << "80" << QStringList{"reserve", "chkBold"};
        QTest::newRow("gift icon, designer") << false << "10" << "25"
                                             << QStringList{"chkGiftIcon", "chkListingDesigner", "chkGallery"};
        QTest::newRow("motorcycle") << false << "2000" << "3000"
                                    << QStringList{"chkMotors", "chkVehicle", "optMotorcycle"};
        QTest::newRow("timeshare") << false << "500" << "500" << QStringList{"chkRealEstate", "optTimeshare"};
        QTest::newRow("lot") << true << "2" << "5"
                             << QStringList{"chkDutchGreatGift", "chkDutchListingDesigner", "chkEBayMotorsDutch",
                                            "chkDutchGallery", "chkDutchGalleryFeatured"};
    }
    void figuresEqualSwitchingByHand()
    {
        QFETCH(bool, lot);
        QFETCH(QString, start);
        QFETCH(QString, closing);
        QFETCH(QStringList, options);
        if (lot)
            fixture->clickTab(1);
        enter(lot, start, closing, options);
        QTest::keyClick(fixture->window.get(), Qt::Key_F8);
        auto *table = fixture->window->findChild<QTableWidget *>(QStringLiteral("tblCompareSites"));
        QVERIFY(table && table->isVisible());

        // The four columns as shown for eBay.com, and the cheapest marks.
        QList<QStringList> shown;
        qint64 lowest = std::numeric_limits<qint64>::max();
        for (int column = 0; column < 4; ++column) {
            QStringList figures;
            for (int row = 0; row < table->rowCount(); ++row)
                figures.append(table->item(row, column)->text());
            shown.append(figures);
            lowest = std::min(lowest, MoneyFromText(figures[CompareSitesPanel::ConvertedTotalRow]).tenThousandths());
        }
        for (int column = 0; column < 4; ++column) {
            const bool cheapest =
                MoneyFromText(shown[column][CompareSitesPanel::ConvertedTotalRow]).tenThousandths() == lowest;
            QTableWidgetItem *header = table->horizontalHeaderItem(column);
            QCOMPARE(header->text().endsWith(QLatin1String("cheapest")), cheapest);
            QCOMPARE(header->font().bold(), cheapest);
        }

        const char *const sites[4] = {"mnuOptionsSiteEbay", "mnuOptionsSiteUK", "mnuOptionsSiteCanada",
                                      "mnuOptionsSiteGermany"};
        for (int column = 0; column < 4; ++column) {
            chooseSite(sites[column]);
            const QStringList &figures = shown[column];
            const int missing = enter(lot, figures[CompareSitesPanel::StartingPriceRow],
                                      figures[CompareSitesPanel::ClosingPriceRow], options);
            QCOMPARE(missing, int(figures.count(QStringLiteral("not offered"))));
            QTest::mouseClick(fixture->find<QPushButton>(lot ? "cmdDutchCalculate" : "cmdCalculate"), Qt::LeftButton);
            const QString fees = fixture->text(lot ? "txtDutchFees" : "txtFees");
            QCOMPARE(fees, figures[CompareSitesPanel::TotalRow]);
            // The panel follows the site: this site is the current one now, at the tab's figure.
            QVERIFY(table->horizontalHeaderItem(column)->text().contains(QLatin1String("current site")));
            QCOMPARE(table->item(CompareSitesPanel::TotalRow, column)->text(), fees);
            QCOMPARE(table->item(CompareSitesPanel::ConvertedTotalRow, column)->text(), fees);
        }
    }

    void incompleteLotShowsOneLine()
    {
        fixture->clickTab(1);
        fixture->typeAndLeave("txtDutchItemsOffered", QStringLiteral("10"));
        QTest::keyClick(fixture->window.get(), Qt::Key_F8);
        auto *message = fixture->window->findChild<QLabel *>(QStringLiteral("lblCompareMessage"));
        QVERIFY(message && message->isVisible() && !message->text().isEmpty());
        QVERIFY(!fixture->window->findChild<QTableWidget *>(QStringLiteral("tblCompareSites"))->isVisible());
    }

private:
    // Clears the tab, types the prices and chooses the options the site offers; returns how many
    // of them it does not offer (disabled or hidden).
    int enter(bool lot, const QString &start, const QString &closing, const QStringList &options)
    {
        QTest::mouseClick(fixture->find<QPushButton>(lot ? "cmdDutchClearAll" : "cmdClearAll"), Qt::LeftButton);
        if (lot) {
            fixture->typeAndLeave("txtDutchItemsOffered", QStringLiteral("10"));
            fixture->typeAndLeave("txtDutchOpeningPrice", start);
            fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("10"));
            fixture->typeAndLeave("txtDutchFinalPrice", closing);
        } else {
            fixture->typeAndLeave("txtStartingPrice", start);
            fixture->typeAndLeave("txtPrice", closing);
        }
        int missing = 0;
        for (const QString &name : options) {
            if (name == QLatin1String("reserve")) {
                auto *list = fixture->find<QComboBox>("cboIsReserve");
                if (!list->isVisible())
                    ++missing;
                else if (list->currentIndex() == 0)
                    QTest::keyClick(list, Qt::Key_Down);
                continue;
            }
            auto *box = fixture->find<QAbstractButton>(name.toLatin1().constData());
            if (!box->isEnabled() || !box->isVisible())
                ++missing;
            else if (!box->isChecked())
                WindowFixture::clickIndicator(box);
        }
        return missing;
    }

    // Options > Auction Site > the site, with the mouse.
    void chooseSite(const char *name)
    {
        QMenuBar *bar = fixture->window->menuBar();
        auto *options = fixture->find<QMenu>("mnuOptions");
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(options->menuAction()).center());
        QTRY_VERIFY(options->isVisible());
        auto *sites = fixture->find<QMenu>("mnuOptionsSite");
        QTest::mouseClick(options, Qt::LeftButton, {}, options->actionGeometry(sites->menuAction()).center());
        QTRY_VERIFY(sites->isVisible());
        auto *item = fixture->find<QAction>(name);
        QTest::mouseClick(sites, Qt::LeftButton, {}, sites->actionGeometry(item).center());
        QTRY_VERIFY(item->isChecked());
        QTRY_VERIFY(!options->isVisible());
    }

    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestCompareSitesPanel)
#include "tst_comparesitespanel.moc"
