#include "FeeBreakdownPanel.h"
#include "NumberText.h"
#include "WindowFixture.h"

#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

// The fee breakdown follows the tab in view: its total is always the tab's, and it says what
// decided each fee.
class TestFeeBreakdownPanel : public QObject
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

    void followsTheSingleItemTab_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("detail");  // a text one of the lines shows
        QTest::newRow("tiers of the final value fee") << "9.99" << "152.50" << QStringList{}
                                                      << "5.25 % of the first 25.00 = 1.31; 2.75 % of 25.01–152.50 = 3.51";
        QTest::newRow("insertion tier") << "9.99" << "20" << QStringList{"chkBold"}
                                        << "starting price 9.99 is in the tier 1.00–9.99";
        QTest::newRow("two categories") << "30" << "40" << QStringList{"chkTwoCategories", "chkGallery"}
                                        << "× 2 for two categories";
    }
    void followsTheSingleItemTab()
    {
        QFETCH(QString, start);
        QFETCH(QString, closing);
        QFETCH(QStringList, boxes);
        QFETCH(QString, detail);

        QTest::keyClick(fixture->window.get(), Qt::Key_F6);
        auto *panel = fixture->window->findChild<FeeBreakdownPanel *>(QStringLiteral("FeeBreakdownPanel"));
        QVERIFY(panel && panel->isVisible());
        QVERIFY(fixture->find<QAction>("mnuToolsFeeBreakdown")->isChecked());

        fixture->typeAndLeave("txtStartingPrice", start);
        fixture->typeAndLeave("txtPrice", closing);
        for (const QString &name : boxes) {
            auto *box = fixture->find<QAbstractButton>(name.toLatin1().constData());
            WindowFixture::clickIndicator(box);
        }
        QTest::mouseClick(fixture->find<QPushButton>("cmdCalculate"), Qt::LeftButton);

        const QString total = panel->findChild<QLabel *>(QStringLiteral("lblBreakdownTotal"))->text();
        QCOMPARE(total, QStringLiteral("Total eBay Fees: $ ") + fixture->text("txtFees"));
        QVERIFY2(panel->Lines().join(QLatin1Char('\n')).contains(detail), qPrintable(panel->Lines().join('\n')));
        QCOMPARE(linesOfTheList(panel), panel->Lines().mid(0, panel->Lines().size() - 1));

        // Copy and Add to Notepad carry the same lines.
        QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdBreakdownCopy")), Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().contains(detail));
        QTest::mouseClick(panel->findChild<QPushButton *>(QStringLiteral("cmdBreakdownAddToNotes")), Qt::LeftButton);
        const QString notes = fixture->find<QPlainTextEdit>("txtNotes")->toPlainText();
        QVERIFY(notes.contains(QStringLiteral("1. Single item on eBay.com")));
        QVERIFY(notes.contains(detail));

        // The boxes cleared again and a lower price: other lines, rewritten in place, and the
        // list still shows exactly the lines.
        const QStringList before = panel->Lines();
        for (const QString &name : boxes)
            WindowFixture::clickIndicator(fixture->find<QAbstractButton>(name.toLatin1().constData()));
        fixture->typeAndLeave("txtPrice", QStringLiteral("1"));
        QTest::mouseClick(fixture->find<QPushButton>("cmdCalculate"), Qt::LeftButton);
        QVERIFY(panel->Lines() != before);
        QCOMPARE(linesOfTheList(panel), panel->Lines().mid(0, panel->Lines().size() - 1));
    }

    // Showing the lot tab switches the panel to the lot; the site follows the menu.
    void followsTheLotAndTheSite()
    {
        QTest::keyClick(fixture->window.get(), Qt::Key_F6);
        auto *panel = fixture->window->findChild<FeeBreakdownPanel *>(QStringLiteral("FeeBreakdownPanel"));
        fixture->clickTab(1);
        auto *total = panel->findChild<QLabel *>(QStringLiteral("lblBreakdownTotal"));
        QCOMPARE(total->text(), QStringLiteral("Fill in the four entries of the lot to see its fees."));
        fixture->typeAndLeave("txtDutchItemsOffered", QStringLiteral("37"));
        fixture->typeAndLeave("txtDutchOpeningPrice", QStringLiteral("0.27"));
        fixture->typeAndLeave("txtDutchItemsSold", QStringLiteral("37"));
        fixture->typeAndLeave("txtDutchFinalPrice", QStringLiteral("0.27"));
        QTest::mouseClick(fixture->find<QPushButton>("cmdDutchCalculate"), Qt::LeftButton);
        QVERIFY(total->text().startsWith(QStringLiteral("Total eBay Fees: $ ") + fixture->text("txtDutchFees")));
        QVERIFY(panel->Lines().join('\n').contains(QStringLiteral("lot value 9.99 is in the tier 1.00–9.99")));

        fixture->find<QAction>("mnuOptionsSiteUK")->trigger();
        QVERIFY(panel->Heading().endsWith(QStringLiteral("eBay UK")));
        QVERIFY(total->text().startsWith(QStringLiteral("Total eBay Fees: GBP ") + fixture->text("txtDutchFees")));
    }

private:
    // The fee lines as the list shows them: a fee's row with its amount, then its spanned rows of
    // detail (indented), read back into "name: amount (detail; detail)".
    static QStringList linesOfTheList(const FeeBreakdownPanel *panel)
    {
        const auto *list = panel->findChild<QTreeWidget *>(QStringLiteral("lstBreakdown"));
        QStringList lines;
        QStringList details;
        const auto endLine = [&] {
            if (!details.isEmpty())
                lines.last() += QStringLiteral(" (%1)").arg(details.join(QStringLiteral("; ")));
            details.clear();
        };
        for (int index = 0; index < list->topLevelItemCount(); ++index) {
            const QTreeWidgetItem *item = list->topLevelItem(index);
            if (item->isFirstColumnSpanned()) {
                if (!item->text(0).startsWith(QStringLiteral("    ")) || !item->text(1).isEmpty() || lines.isEmpty())
                    return {QStringLiteral("malformed detail row %1").arg(index)};
                details << item->text(0).mid(4);
                continue;
            }
            endLine();
            lines << item->text(0) + QStringLiteral(": ") + item->text(1);
        }
        endLine();
        return lines;
    }

    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestFeeBreakdownPanel)
#include "tst_feebreakdownpanel.moc"
