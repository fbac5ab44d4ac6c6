#pragma once

#include <QString>

// The rules of the seven entry fields: which typed keys they take, and which texts they keep.
// Key codes are character codes; a filter returns the code to pass on, or 0 to swallow it.
namespace EntryFieldRules {

constexpr int KeyCopy = 3;
constexpr int KeyBackspace = 8;
constexpr int KeyPaste = 22;
constexpr int KeyComma = 44;
constexpr int KeyMinus = 45;
constexpr int KeyPoint = 46;

// Money fields: digits and one decimal point; never "-". A key that would not leave a number
// passes only while the whole text is selected (the change check then decides), or when it is
// the first decimal point of an empty field.
int FilterMoneyKey(int keyCode, const QString &text, int selectionLength);

// Count fields: digits only, and never more than the largest count of items. `resultingText` is
// what the field would hold with the key typed (over the selection, at the caret).
int FilterCountKey(int keyCode, const QString &text, const QString &resultingText);

// A money text is kept when it is a number not below 0, or a lone decimal point.
bool IsAcceptableMoneyText(const QString &text);

// A count text is kept when it is a number not below 0 and not above the largest count.
bool IsAcceptableCountText(const QString &text);

} // namespace EntryFieldRules
