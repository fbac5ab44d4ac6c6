// A second copy of the calculator for the test of two windows saving their settings at the same
// moment: it opens a window, gives it the choices of one user (A or B), says "ready", waits for a
// line on its standard input and then saves the settings from the menu again and again.
//
//   settings_writer A|B <repeats> [locale]
//
// The test knows the values each user's choices store; the store must end up holding one user's
// values, whole.

#include "frmeBayFees.h"
#include "NumberText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

struct Choices
{
    QAction *frmeBayFees::*site;
    QStringList ticked;  // check boxes, ticked in this order; every other box of the two tabs is cleared
    int singleItemType;
    int reserve;
    int extraPhotos;
    int extraPicturesDutch;
    QString startingPrice;  // written with "."
    QString itemsOffered;
    QString openingPrice;  // written with "."
    bool creditCard;
    QString rate;  // written with "."
    bool onTop;
    bool notepad;
};

const QStringList RememberedBoxes{
    QStringLiteral("chkFeaturedCategory"), QStringLiteral("chkFeatured"),         QStringLiteral("chkGallery"),
    QStringLiteral("chkGalleryFeatured"),  QStringLiteral("chkHighlighted"),      QStringLiteral("chkBold"),
    QStringLiteral("chkGiftIcon"),         QStringLiteral("chkRealEstate"),       QStringLiteral("chkTwoCategories"),
    QStringLiteral("chkTenDayAuction"),    QStringLiteral("chkMotors"),           QStringLiteral("chkVehicle"),
    QStringLiteral("chkExtraPhotos"),      QStringLiteral("chkSupersizePhotos"),  QStringLiteral("chkSlideshow"),
    QStringLiteral("chkEBayMotorsDutch"),  QStringLiteral("chkDutchFeaturedPlus"), QStringLiteral("chkDutchHomePageFeatured"),
    QStringLiteral("chkDutchGallery"),     QStringLiteral("chkDutchGalleryFeatured"), QStringLiteral("chkDutchHighlight"),
    QStringLiteral("chkDutchBold"),        QStringLiteral("chkDutchGreatGift"),   QStringLiteral("chkDutchTenDayAuction"),
    QStringLiteral("chkExtraPicturesDutch"), QStringLiteral("chkSupersizeDutch"), QStringLiteral("chkSlideshowDutch"),
};

// Kept in step with the expected values in tst_settings.cpp.
Choices choicesOf(const QString &tag)
{
    if (tag == QLatin1String("A")) {
        return {&frmeBayFees::mnuOptionsSiteUK,
                {QStringLiteral("chkFeaturedCategory"), QStringLiteral("chkBold"), QStringLiteral("chkTwoCategories"),
                 QStringLiteral("chkExtraPhotos"), QStringLiteral("chkSlideshow"), QStringLiteral("chkDutchFeaturedPlus"),
                 QStringLiteral("chkDutchGallery"), QStringLiteral("chkDutchGalleryFeatured"),
                 QStringLiteral("chkExtraPicturesDutch")},
                1, 0, 3, 1, QStringLiteral("12.50"), QStringLiteral("10"), QStringLiteral("2.50"), true,
                QStringLiteral("1.25"), true, true};
    }
    return {&frmeBayFees::mnuOptionsSiteCanada,
            {QStringLiteral("chkFeatured"), QStringLiteral("chkGallery"), QStringLiteral("chkHighlighted"),
             QStringLiteral("chkTenDayAuction"), QStringLiteral("chkRealEstate"), QStringLiteral("chkDutchBold"),
             QStringLiteral("chkDutchHighlight"), QStringLiteral("chkDutchTenDayAuction"),
             QStringLiteral("chkSupersizeDutch")},
            0, 1, 0, 4, QStringLiteral("7.25"), QStringLiteral("25"), QStringLiteral("0.99"), false,
            QStringLiteral("1.75"), false, false};
}

QString inLocale(QString pointText)
{
    return pointText.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

bool apply(frmeBayFees &window, const Choices &choices)
{
    // The store may already hold the other user's values, loaded with the window: every remembered
    // choice is set here, not only those that differ from a fresh window.
    (window.*choices.site)->trigger();
    for (const QString &name : RememberedBoxes)
        window.findChild<QCheckBox *>(name)->setChecked(false);
    for (const QString &name : choices.ticked)
        window.findChild<QCheckBox *>(name)->setChecked(true);
    window.cboSingleItemType->setCurrentIndex(choices.singleItemType);
    window.cboIsReserve->setCurrentIndex(choices.reserve);
    window.cboExtraPhotos->setCurrentIndex(choices.extraPhotos);
    window.cboExtraPicturesDutch->setCurrentIndex(choices.extraPicturesDutch);
    window.txtStartingPrice->setText(inLocale(choices.startingPrice));
    window.txtDutchItemsOffered->setText(choices.itemsOffered);
    window.txtDutchOpeningPrice->setText(inLocale(choices.openingPrice));
    (choices.creditCard ? window.optPayPalCreditCard : window.optPayPalNonCreditCard)->setChecked(true);
    window.txtConversion->setText(inLocale(choices.rate));
    if (window.mnuOptionsOnTop->isChecked() != choices.onTop)
        window.mnuOptionsOnTop->trigger();
    if (window.NotepadVisible() != choices.notepad)
        window.cmdNotepad->click();

    bool allSet = window.mnuOptionsOnTop->isChecked() == choices.onTop && window.NotepadVisible() == choices.notepad;
    for (const QString &name : RememberedBoxes)
        allSet = allSet && window.findChild<QCheckBox *>(name)->isChecked() == choices.ticked.contains(name);
    return allSet;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const QStringList arguments = QCoreApplication::arguments();
    bool countRead = false;
    const int repeats = arguments.value(2).toInt(&countRead);
    if (arguments.size() < 3 || (arguments[1] != QLatin1String("A") && arguments[1] != QLatin1String("B"))
        || !countRead || repeats < 1) {
        std::fputs("usage: settings_writer A|B <repeats> [locale]\n", stderr);
        return 2;
    }
    UseNumberLocale(QLocale(arguments.value(3, QStringLiteral("en_US"))));

    // Not a first run: the defaults are not written again over the other copy's values.
    frmeBayFees window(false);
    if (!apply(window, choicesOf(arguments[1]))) {
        std::fputs("the window did not take the choices\n", stderr);
        return 3;
    }

    std::puts("ready");
    std::fflush(stdout);
    std::string go;
    std::getline(std::cin, go);

    for (int round = 0; round < repeats; ++round)
        window.mnuOptionsSaveSettings->trigger();
    // The window is not closed: closing stores the site and rate once more on its own, which is
    // not part of what the two copies race over.
    return 0;
}
