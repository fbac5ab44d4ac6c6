#pragma once

#include <QString>
#include <QtGlobal>

// The number format of the user's locale, found once at start-up:
// 0 = the decimal separator is a point, 1 = it is a comma, 2 = digits are grouped with an apostrophe.
qint16 &NumberFormat();

// Looks at the user's locale (the default QLocale): a currency amount grouped with an apostrophe
// gives 2; otherwise "9,9" reading as 9.9 gives 1; anything else 0. Both the typewriter apostrophe
// and the typographic one (U+2019, which Qt's locale data uses for Swiss grouping) count.
qint16 DetectNumberFormat();

// A number written with a point (a version such as "3.7") made readable in the user's number
// format: with format 1 every "." becomes ","; then, with format 2, every "," becomes "'".
QString LocalizeNumberText(const QString &text);
