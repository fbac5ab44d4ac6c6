#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

// The window as a whole: the choice of site and what it switches.
class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase_data() { addLocaleRows(); }
    void init()
    {
        applyLocaleRow();
        fixture = std::make_unique<WindowFixture>();
    }
    void cleanup()
    {
        QVERIFY2(fixture->unexpectedDialog.isEmpty(), qPrintable(fixture->unexpectedDialog));
        fixture.reset();
    }

    void opensOnEbayCom()
    {
        QVERIFY(fixture->find<QAction>("mnuOptionsSiteEbay")->isChecked());
        QCOMPARE(fixture->window->windowTitle(), QStringLiteral("Calvextra for eBay.com"));
        QCOMPARE(fixture->find<QLabel>("lblCurrency1")->text(), QStringLiteral("$"));
    }

    void singleItemScenario()
    {
        fixture->typeAndLeave("txtStartingPrice", inLocale("150"));
        fixture->find<QCheckBox>("chkBold")->click();
        QCOMPARE(fixture->text("txtInsertionFee"), inLocale("2.40"));
        QCOMPARE(fixture->text("txtExtras"), inLocale("1.00"));
    }

private:
    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
