// Renders the window's four tabs on eBay.com in English and on eBay Germany in German (with the
// German language library and number format), with example figures entered, into
// docs/screenshot-<tab>-<site>.png, and the open notepad with one summary of each tab into
// docs/screenshot-notepad-<site>.png, the Tools menu's three panels into
// docs/screenshot-<panel>-<site>.png; then the first-run update prompt and the About box. Run: QT_QPA_PLATFORM=offscreen build/bin/calvextra_screenshots docs

#include "ApplicationStyle.h"
#include "CStartStatus.h"
#include "FCheckVersion.h"
#include "Languages.h"
#include "frmAbout.h"
#include "NumberText.h"
#include "Settings.h"
#include "ToolPanel.h"
#include "frmeBayFees.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

namespace {

void enter(frmeBayFees &window, const char *field, const QString &text)
{
    auto *edit = window.findChild<QLineEdit *>(QString::fromLatin1(field));
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, text);
    window.findChild<QWidget *>(QStringLiteral("txtNotes"))->setFocus(Qt::TabFocusReason);
}

void tick(frmeBayFees &window, const char *box)
{
    window.findChild<QCheckBox *>(QString::fromLatin1(box))->setChecked(true);
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication application(argc, argv);
    // The program's own style, as it runs.
    QApplication::setStyle(new ApplicationStyle);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs"));

    for (const char *site : {"us", "de"}) {
        const bool german = QByteArray(site) == "de";
        UseNumberLocale(german ? QLocale(QLocale::German, QLocale::Germany) : QLocale(QLocale::English, QLocale::UnitedStates));
        WriteSetting(QStringLiteral("Language"), german ? QStringLiteral("German") : QStringLiteral("English"));
        InitLanguage();
        frmeBayFees window;
        window.show();
        if (QByteArray(site) == "de")
            window.findChild<QAction *>(QStringLiteral("mnuOptionsSiteGermany"))->trigger();
        const QString point = QLocale().decimalPoint();
        auto *tabWidget = window.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
        enter(window, "txtStartingPrice", QStringLiteral("25"));
        enter(window, "txtPrice", QStringLiteral("110"));
        tick(window, "chkBold");
        tick(window, "chkGallery");
        tabWidget->setCurrentIndex(1);
        enter(window, "txtDutchItemsOffered", QStringLiteral("10"));
        enter(window, "txtDutchOpeningPrice", QStringLiteral("2") + point + QStringLiteral("50"));
        enter(window, "txtDutchItemsSold", QStringLiteral("10"));
        enter(window, "txtDutchFinalPrice", QStringLiteral("3") + point + QStringLiteral("10"));
        tick(window, "chkDutchGallery");
        tabWidget->setCurrentIndex(2);
        if (QByteArray(site) == "de")
            window.findChild<QLineEdit *>(QStringLiteral("txtConversion"))->setText(QStringLiteral("0") + point + QStringLiteral("8"));
        enter(window, "txtPaymentAmount", QStringLiteral("100"));

        const char *tabs[4] = {"single", "multiple", "payment", "shipping"};
        for (int tab = 0; tab < 4; ++tab) {
            tabWidget->setCurrentIndex(tab);
            if (QWidget *focused = QApplication::focusWidget())
                focused->clearFocus();  // no selection highlight in the pictures
            QApplication::processEvents();
            window.grab().save(out.filePath(QStringLiteral("screenshot-%1-%2.png").arg(QString::fromLatin1(tabs[tab]),
                                                                                     QString::fromLatin1(site))));
        }

        // The Tools menu's panels, on the single-item listing (the profit with costs typed in).
        tabWidget->setCurrentIndex(0);
        const struct
        {
            const char *item, *panel, *picture;
        } panels[] = {{"mnuToolsFeeBreakdown", "FeeBreakdownPanel", "breakdown"},
                      {"mnuToolsProfit", "ProfitPanel", "profit"},
                      {"mnuToolsCompareSites", "CompareSitesPanel", "compare"}};
        for (const auto &[item, name, picture] : panels) {
            window.findChild<QAction *>(QString::fromLatin1(item))->trigger();
            auto *panel = window.findChild<ToolPanel *>(QString::fromLatin1(name));
            if (QByteArray(picture) == "profit") {
                for (const auto &[field, amount] : {std::pair{"txtProfitItemCost", "40"}, std::pair{"txtProfitShippingCharged", "6"},
                                                    std::pair{"txtProfitShippingCost", "5"}, std::pair{"txtProfitTarget", "30"}}) {
                    auto *edit = panel->findChild<QLineEdit *>(QString::fromLatin1(field));
                    if (!edit)
                        continue;
                    edit->setFocus(Qt::TabFocusReason);
                    edit->selectAll();
                    QTest::keyClicks(edit, QString::fromLatin1(amount));
                }
            }
            if (QWidget *focused = QApplication::focusWidget())
                focused->clearFocus();
            QApplication::processEvents();
            panel->grab().save(out.filePath(QStringLiteral("screenshot-%1-%2.png").arg(QString::fromLatin1(picture),
                                                                                     QString::fromLatin1(site))));
            panel->hide();
        }

        window.findChild<QPushButton *>(QStringLiteral("cmdNotepad"))->click();
        for (const char *add : {"cmdAddRegularToNotes", "cmdAddDutchToNotes", "cmdAddPaymentsToNotes"})
            window.findChild<QPushButton *>(QString::fromLatin1(add))->click();
        tabWidget->setCurrentIndex(0);
        if (QWidget *focused = QApplication::focusWidget())
            focused->clearFocus();
        QApplication::processEvents();
        window.grab().save(out.filePath(QStringLiteral("screenshot-notepad-%1.png").arg(QString::fromLatin1(site))));
    }

    UseNumberLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    WriteSetting(QStringLiteral("Language"), QStringLiteral("English"));
    InitLanguage();
    CStartStatus startStatus;
    FCheckVersion prompt;
    prompt.Initialize(&startStatus);
    prompt.show();
    QApplication::processEvents();
    prompt.grab().save(out.filePath(QStringLiteral("screenshot-update-prompt.png")));
    prompt.close();
    frmAbout about;
    about.show();
    QApplication::processEvents();
    about.grab().save(out.filePath(QStringLiteral("screenshot-about.png")));
    return 0;
}
