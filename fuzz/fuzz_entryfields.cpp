// libFuzzer target for the entry fields and the exchange rate.
//
// Input: the first byte picks the number format (bit 0: comma), the field (bits 1-3: the five
// money fields, the two count fields, the exchange rate) and the site (bits 4-5); the second the
// payment options (bit 0 merchant, bit 1 credit card, bit 2 buyer abroad, bit 3 reduced rate).
// The rest is cut at its first two line feeds: keys, a rate text, an amount text. Each key byte is
// a typed character or, below 16, an editing key (Backspace, arrows, Home and End with and without
// Shift, select all, Delete).
//
// The keys go three ways: through the rules alone, on a field the target keeps; as real key
// presses into the window's field, which must end as the rules say, then leaving the field; and
// the rate and amount texts through the payment calculation. Every invariant that must hold for
// any keys is checked; a broken one aborts with the input and the field's state.

#include "CAuctionSite.h"
#include "CPaymentService.h"
#include "EntryFieldRules.h"
#include "FuzzCheck.h"
#include "FuzzWindowProcess.h"
#include "NumberText.h"
#include "frmeBayFees.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace EntryFieldRules;

namespace {

enum class Kind { Money, Count, Rate };

enum EditingKey : std::uint8_t {
    Backspace, Left, Right, Home, End, ShiftHome, ShiftEnd, SelectAll, Delete, EditingKeys
};

// Characters for key bytes from 0x80 up: what people type into amounts, and some they should not.
const QString Typed = QStringLiteral("0123456789.,-e $\u20ac\u00a0+E'\u2212x()%\u00b7 9");

QByteArray g_input;
QString g_keys;  // the keys as typed, for the report
QStringList g_dialogs;

[[noreturn]] void broken(const char *invariant, const QString &detail)
{
    std::fprintf(stderr, "Broken invariant: %s\n  input: %s\n  locale: %s\n  keys: %s\n  %s\n", invariant,
                 g_input.left(512).toHex().constData(), qPrintable(QLocale().name()), g_keys.toUtf8().constData(),
                 detail.toUtf8().constData());
    std::abort();
}

QString describe(const FieldState &field)
{
    return QStringLiteral("text \"%1\", caret %2, selection %3+%4")
        .arg(field.text)
        .arg(field.cursorPosition)
        .arg(field.selectionStart)
        .arg(field.selectionLength);
}

QString keyName(std::uint8_t key)
{
    static const char *const names[] = {"Backspace", "Left", "Right", "Home", "End",
                                        "Shift+Home", "Shift+End", "Ctrl+A", "Delete"};
    return key < EditingKeys ? QString::fromLatin1(names[key]) : QString();
}

QChar typedChar(std::uint8_t key)
{
    return key >= 0x80 ? Typed.at(key % Typed.size()) : QChar(char16_t(key));
}

int filter(Kind kind, int code, const FieldState &state)
{
    switch (kind) {
    case Kind::Money:
        return FilterMoneyKey(code, state);
    case Kind::Count:
        return FilterCountKey(code, state);
    case Kind::Rate:
        break;
    }
    return FilterRateKey(code, state);
}

bool isKept(Kind kind, const QString &text)
{
    switch (kind) {
    case Kind::Money:
        return IsAcceptableMoneyText(text);
    case Kind::Count:
        return IsAcceptableCountText(text);
    case Kind::Rate:
        break;
    }
    return IsAcceptableRateText(text);
}

// What the change check keeps: the text, or nothing.
QString changeChecked(Kind kind, const QString &text)
{
    return isKept(kind, text) ? text : QString();
}

// A key the filter let through must leave a text that is kept: the change check only decides
// over a key typed on the whole text, which it replaces.
void checkPassedKey(Kind kind, int code, int passed, const FieldState &before, const QString &after)
{
    const QString detail = QStringLiteral("key %1 passed as %2 on %3 gave \"%4\"")
                               .arg(code)
                               .arg(passed)
                               .arg(describe(before), after);
    CHECK(passed != KeyMinus, detail);
    // As the filter sees it: an empty field is wholly selected.
    const bool wholeTextReplaced = before.selectionLength == before.text.size();
    switch (kind) {
    case Kind::Money:
        // Backspace may leave what the change check empties, but only once no digit is left
        // ("1  " to "  "): no amount is thrown away.
        if (passed == KeyBackspace)
            CHECK(after.isEmpty() || IsAcceptableMoneyText(after)
                      || std::none_of(after.cbegin(), after.cend(), [](QChar c) { return c.isDigit(); }),
                  detail);
        else if (!wholeTextReplaced)
            CHECK(after.isEmpty() || IsAcceptableMoneyText(after), detail);
        CHECK(IsWithinAmountLimit(after), detail);
        break;
    case Kind::Count:
        CHECK(after.isEmpty() || IsAcceptableCountText(after), detail);
        CHECK(after.size() <= CountLengthLimit, detail);
        break;
    case Kind::Rate:
        // No key over the whole text either: the rate's filter refuses what would leave no rate.
        CHECK(after.isEmpty() || IsAcceptableRateText(after), detail);
        break;
    }
}

// The rules on a field of the target's own: caret and selection as a line edit keeps them.
void runRules(Kind kind, const QByteArray &keys)
{
    FieldState field;
    for (const char byte : keys) {
        const auto key = std::uint8_t(byte);
        const qsizetype size = field.text.size();
        const bool selected = field.selectionStart >= 0 && field.selectionLength > 0;
        const auto moveTo = [&field](qsizetype position) {
            field.cursorPosition = int(position);
            field.selectionStart = -1;
            field.selectionLength = 0;
        };
        switch (key) {
        case Left:
            moveTo(selected ? field.selectionStart : std::max(0, field.cursorPosition - 1));
            continue;
        case Right:
            moveTo(selected ? field.selectionStart + field.selectionLength
                            : std::min(int(size), field.cursorPosition + 1));
            continue;
        case Home:
            moveTo(0);
            continue;
        case End:
            moveTo(size);
            continue;
        case ShiftHome:
            field.selectionStart = 0;
            field.selectionLength = field.cursorPosition;
            field.cursorPosition = 0;
            continue;
        case ShiftEnd:
            field.selectionStart = field.cursorPosition;
            field.selectionLength = int(size) - field.cursorPosition;
            field.cursorPosition = int(size);
            continue;
        case SelectAll:
            field.selectionStart = 0;
            field.selectionLength = int(size);
            field.cursorPosition = int(size);
            continue;
        case Delete: {
            // Not filtered: the change check alone decides.
            QString text = field.text;
            const qsizetype at = selected ? field.selectionStart : field.cursorPosition;
            text.remove(at, selected ? field.selectionLength : 1);
            field.text = changeChecked(kind, text);
            moveTo(std::min(at, field.text.size()));
            continue;
        }
        default:
            break;
        }
        const int code = key == Backspace ? KeyBackspace : typedChar(key).unicode();
        if (code == KeyCopy || code == KeyPaste || (code != KeyBackspace && !QChar(char16_t(code)).isPrint()))
            continue;
        const int passed = filter(kind, code, field);
        if (passed == 0)
            continue;
        const QString after = TextAfterKey(field, passed);
        checkPassedKey(kind, code, passed, field, after);
        const qsizetype caret = passed == KeyBackspace ? (selected ? field.selectionStart : std::max(0, field.cursorPosition - 1))
                                                       : (selected ? field.selectionStart : field.cursorPosition) + 1;
        field.text = changeChecked(kind, after);
        moveTo(std::min(caret, field.text.size()));
    }
}

frmeBayFees *g_window = nullptr;

struct WindowField
{
    QLineEdit *field;
    Kind kind;
};

WindowField windowField(int index)
{
    frmeBayFees &w = *g_window;
    const std::array<WindowField, 8> fields{{{w.txtStartingPrice, Kind::Money},
                                             {w.txtPrice, Kind::Money},
                                             {w.txtDutchOpeningPrice, Kind::Money},
                                             {w.txtDutchFinalPrice, Kind::Money},
                                             {w.txtPaymentAmount, Kind::Money},
                                             {w.txtDutchItemsOffered, Kind::Count},
                                             {w.txtDutchItemsSold, Kind::Count},
                                             {w.txtConversion, Kind::Rate}}};
    return fields[std::size_t(index)];
}

FieldState stateOf(const QLineEdit *field)
{
    return {field->text(), field->cursorPosition(), field->selectionStart(), int(field->selectedText().size())};
}

void press(QLineEdit *field, std::uint8_t key)
{
    switch (key) {
    case Backspace:
        QTest::keyClick(field, Qt::Key_Backspace);
        break;
    case Left:
        QTest::keyClick(field, Qt::Key_Left);
        break;
    case Right:
        QTest::keyClick(field, Qt::Key_Right);
        break;
    case Home:
        QTest::keyClick(field, Qt::Key_Home);
        break;
    case End:
        QTest::keyClick(field, Qt::Key_End);
        break;
    case ShiftHome:
        QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
        break;
    case ShiftEnd:
        QTest::keyClick(field, Qt::Key_End, Qt::ShiftModifier);
        break;
    case SelectAll:
        // With the control character a keyboard sends for Ctrl+A, not the letter.
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_A, QString(QChar(1)), Qt::ControlModifier);
        break;
    case Delete:
        QTest::keyClick(field, Qt::Key_Delete);
        break;
    default: {
        const QChar c = typedChar(key);
        const Qt::Key code = c.isDigit() ? Qt::Key(Qt::Key_0 + c.digitValue())
                             : c.unicode() < 0x80 && c.isLetter() ? Qt::Key(c.toUpper().unicode())
                                                                  : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, field, code, QString(c), Qt::NoModifier);
        break;
    }
    }
}

// What leaving a field leaves in it, and in the results it recalculates.
void checkLeft(const WindowField &target)
{
    frmeBayFees &w = *g_window;
    const QString text = target.field->text();
    const QString detail = target.field->objectName() + QStringLiteral(": \"") + text + QLatin1Char('"');
    // An opening price of a zero amount is emptied on leaving; one of less than a cent stays and
    // is shown rounded, as "0.00".
    if (target.field == w.txtStartingPrice)
        CHECK(text.isEmpty() || (IsNumericText(text) && LeadingNumber(text) >= 0.01), detail);
    else if (target.kind == Kind::Money)
        CHECK(text.isEmpty() || IsNumericText(text), detail);
    else if (target.field == w.txtDutchItemsOffered)
        CHECK(text != QLatin1String("0") && text != QLatin1String("1") && IsAcceptableCountText(text), detail);
    else if (target.kind == Kind::Count)
        CHECK(IsAcceptableCountText(text), detail);
    else
        CHECK(IsAcceptableRateText(text) && text.size() <= CPaymentService::RateTextMaxLength, detail);

    for (QLineEdit *result : {w.txtInsertionFee, w.txtExtras, w.txtFVF, w.txtFees, w.txtTotalDutchAuctionSales,
                              w.txtExtraFeaturesDutch, w.txtDutchFees, w.txtDutchCostPerItem, w.txtPayPalFee}) {
        const QString shown = result->text();
        CHECK(shown.isEmpty() || shown == QLatin1String("N/A")
                  || (IsNumericText(shown) && std::isfinite(DoubleFromText(shown))),
              result->objectName() + QStringLiteral(": \"") + shown + QLatin1Char('"'));
    }
}

void runWindow(const WindowField &target, qint32 site, const QByteArray &keys)
{
    frmeBayFees &w = *g_window;
    // Every input starts from cleared tabs: no result of an earlier one, shown in its number
    // format, is left.
    for (QPushButton *clear : {w.cmdClearAll, w.cmdDutchClearAll, w.cmdClearPaymentFees})
        clear->click();
    w.txtConversion->setText(QString());
    w.SelectSite(site);
    w.txtNotes->setFocus(Qt::TabFocusReason);
    target.field->setFocus(Qt::TabFocusReason);
    CHECK(target.field->hasFocus(), target.field->objectName());

    for (const char byte : keys) {
        const auto key = std::uint8_t(byte);
        const FieldState before = stateOf(target.field);
        press(target.field, key);
        const QString after = target.field->text();
        if (key < EditingKeys && key != Backspace) {
            if (key == Delete)
                CHECK(after.isEmpty() || isKept(target.kind, after), describe(before) + QStringLiteral(" -> ") + after);
            else if (key != Delete)
                CHECK(after == before.text, keyName(key) + QStringLiteral(": ") + describe(before) + QStringLiteral(" -> ") + after);
            continue;
        }
        // A typed key does in the window what the rules say.
        const int code = key == Backspace ? KeyBackspace : typedChar(key).unicode();
        if (!QChar(char16_t(code)).isPrint() && code != KeyBackspace)
            continue;
        const int passed = filter(target.kind, code, before);
        QString expected = passed == 0 ? before.text : changeChecked(target.kind, TextAfterKey(before, passed));
        if (target.kind == Kind::Rate && expected.size() > target.field->maxLength())
            continue;  // the line edit's length limit refuses it
        if (target.field == w.txtStartingPrice && site == CAuctionSite::Germany && IsNumericText(expected)
            && SingleFromText(expected) < 1.0f)
            continue;  // raised to the least opening bid
        CHECK(after == expected, QStringLiteral("key %1 on %2 left \"%3\", the rules \"%4\"")
                                     .arg(keyName(key).isEmpty() ? QString(typedChar(key)) : keyName(key), describe(before), after, expected));
    }
    w.txtNotes->setFocus(Qt::TabFocusReason);
    CHECK(!target.field->hasFocus(), target.field->objectName());
    checkLeft(target);

    // The rate typed reaches the payment fee, which is a number whatever was typed.
    if (target.kind == Kind::Rate) {
        w.txtPaymentAmount->setText(QStringLiteral("100"));
        w.CalculatePaymentFees();
        const QString withTyped = w.txtPayPalFee->text();
        CHECK(IsNumericText(withTyped) && std::isfinite(DoubleFromText(withTyped)), withTyped);
    }
}

// A fee is a finite number (or "N/A" where Billpoint takes none); a text that is not a positive
// rate below the limit gives the fee of the built-in rate; and the rate kept in the schedule
// from one computation does not change the next.
void runPayment(qint32 site, std::uint8_t options, const QString &rateText, const QString &amountText)
{
    CAuctionSite schedule;
    schedule.setSite(site);
    CPaymentService service;
    service.setSite(&schedule);
    const bool merchant = options & 1, creditCard = options & 2, international = options & 4, reduced = options & 8;
    const QString detail = QStringLiteral("site %1, rate \"%2\", amount \"%3\"").arg(site).arg(rateText, amountText);

    const QString payPal = service.PayPalFee(amountText, merchant, creditCard, rateText, international);
    const QString billpoint = service.BillpointFee(amountText, reduced, creditCard, international, rateText);
    const QString payPalDefault = service.PayPalFee(amountText, merchant, creditCard, QString(), international);
    const QString billpointDefault = service.BillpointFee(amountText, reduced, creditCard, international, QString());
    CHECK(IsNumericText(payPal) && std::isfinite(DoubleFromText(payPal)), detail + QStringLiteral(": ") + payPal);
    CHECK(billpoint == QLatin1String("N/A") || (IsNumericText(billpoint) && std::isfinite(DoubleFromText(billpoint))),
          detail + QStringLiteral(": ") + billpoint);

    const double rate = DoubleFromText(rateText);
    if (!(IsNumericText(rateText) && rate > 0 && rate < double(CPaymentService::RateLimit)))
        CHECK(payPal == payPalDefault && billpoint == billpointDefault,
              detail + QStringLiteral(": %1 / %2, built-in rate %3 / %4").arg(payPal, billpoint, payPalDefault, billpointDefault));
    CHECK(service.PayPalFee(amountText, merchant, creditCard, rateText, international) == payPal, detail);
    CHECK(service.BillpointFee(amountText, reduced, creditCard, international, rateText) == billpoint, detail);
    // A fee never falls below nothing for an amount that is not below nothing.
    if (IsNumericText(amountText) && DoubleFromText(amountText) >= 0)
        CHECK(DoubleFromText(payPal) >= 0, detail + QStringLiteral(": ") + payPal);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    StartWindowProcess(argc, argv, g_dialogs);
    // Never destroyed either: it lives as long as the application.
    g_window = new frmeBayFees(true);
    g_window->show();
    QApplication::setActiveWindow(g_window);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QLocale pointFormat(QStringLiteral("en_US"));
    static const QLocale commaFormat(QStringLiteral("de_DE"));
    if (size < 2)
        return 0;
    g_input = QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    g_dialogs.clear();
    const std::uint8_t control = data[0];
    const std::uint8_t options = data[1];
    QLocale::setDefault(control & 1 ? commaFormat : pointFormat);
    const WindowField target = windowField((control >> 1) & 7);
    qint32 site = qint32((control >> 4) & 3) + CAuctionSite::UnitedStates;
    // eBay.com has no exchange rate: its field is hidden there.
    if (target.field == g_window->txtConversion && site == CAuctionSite::UnitedStates)
        site = CAuctionSite::UnitedKingdom;

    const QList<QByteArray> parts = g_input.mid(2).split('\n');
    const QByteArray keys = parts.value(0).left(64);
    g_keys.clear();
    for (const char byte : keys) {
        const auto key = std::uint8_t(byte);
        g_keys += key < EditingKeys ? QLatin1Char('<') + keyName(key) + QLatin1Char('>') : QString(typedChar(key));
    }

    runRules(target.kind, keys);
    runWindow(target, site, keys);
    runPayment(site, options, QString::fromUtf8(parts.value(1)), QString::fromUtf8(parts.value(2)));
    CHECK(g_dialogs.isEmpty(), g_dialogs.join(QLatin1String(" | ")));
    return 0;
}
