#pragma once

#include "MoneyValue.h"

#include <QString>
#include <QStringView>

// Number texts and the readings of entry texts, in the user's number format (the default
// QLocale: its decimal point, thousands separator and currency symbol).
//
// Field texts carry every amount of the program, so these few functions are the only place
// where text becomes a number or a number becomes text.

class QLocale;

// Makes `locale` the default locale and the one whose number format these functions use. The
// format is read from the default locale once and kept: a default set by QLocale::setDefault
// alone is not seen.
void UseNumberLocale(const QLocale &locale);

// The short plain texts and the numbers of money size are read and written by quick paths; off,
// every text and number goes the general way, digit by digit. Both give the same values and
// texts: the switch is there so that the one can be held against the other.
void UseQuickNumberPaths(bool use);

// Plain decimal text: the digits a number shows at its precision (7 significant digits for a
// single, 15 for a double, exact for money), no trailing zeros, no exponent.
QString PlainText(float value);
QString PlainText(double value);
QString PlainText(MoneyValue value);

// "0.00" money text: the value's plain decimal digits rounded half away from zero to two
// decimals (1.3125 → 1.31, 0.125 → 0.13). Never rounds the binary value directly.
QString MoneyText(float value);
QString MoneyText(double value);
QString MoneyText(MoneyValue value);

// A field text rewritten with the "0.00" pattern: a number shows its own digits rounded to two
// decimals ("$0.01" → "0.01", "2.675" → "2.68"); a text that is not a number stays as it is.
QString ReformatAsMoney(QStringView text);

// The numeric test: the whole text reads as a number (surrounding blanks, one sign, a leading
// currency sign such as "$", digits with correctly placed thousands separators and at most one
// decimal point, an exponent). "", "." and texts out of the double range are not numbers.
bool IsNumericText(QStringView text);

// The leading-number reading: the value of the longest leading part of the text that is a
// plain number (blanks, sign, digits in correctly placed thousands groups, decimal point,
// exponent; no currency sign), 0 if none. "12abc" reads 12, "$0.01" reads 0, and "1,500" reads
// 1500 as the numeric test does, so a pasted amount compares at its value.
double LeadingNumber(QStringView text);

// The money conversion: the numeric test's reading as an exact money value (four decimals,
// halves to even). A text that is not a number, the empty text included, is 0.
MoneyValue MoneyFromText(QStringView text);

// A number text read at single or double precision; not a number (or empty) reads as 0 and
// amounts beyond the type's range saturate at its largest value.
float SingleFromText(QStringView text);

// What the texts of a single read back as, without making the texts: SingleFromText(PlainText(v))
// and SingleFromText(MoneyText(v)). Running totals that go through their shown text between two
// additions take this way.
float SingleOfPlainText(float value);
float SingleOfMoneyText(float value);
double DoubleFromText(QStringView text);

// Whole numbers as counts are read: rounded half to even, clamped to the type's range.
qint16 WholeNumber16FromText(QStringView text);
qint32 WholeNumber32FromText(QStringView text);

// The whole part of the numeric test's reading, cut towards zero and exact however many digits
// follow the decimal point ("99999999.9999999999" is 99999999); saturates at the 64-bit range.
// A text that is not a number is 0.
qint64 WholePartFromText(QStringView text);

// A count as the multiple-item lot reads it: the leading-number reading ("5abc" → 5, "" → 0),
// rounded half to even, clamped to the 32-bit range.
qint32 LeadingWholeNumber(QStringView text);

// A single at its decimal value (the digits its plain text shows): 0.525f widens to 0.525.
// Singles normally meet double arithmetic at their binary values; this serves only the two
// places where the binary error would decide a tier or a cent of the multiple-item lot.
double WidenSingle(float value);

// The user's decimal point as typed into a field ("." or ",").
QChar DecimalPoint();
