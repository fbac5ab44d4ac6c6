#pragma once

#include <QString>

// The rules of the seven entry fields: which typed keys they take, and which texts they keep.
// Key codes are character codes; a filter returns the code to pass on (which may differ from the
// one typed), or 0 to swallow it.
namespace EntryFieldRules {

constexpr int KeyCopy = 3;
constexpr int KeyBackspace = 8;
constexpr int KeyPaste = 22;
constexpr int KeyComma = 44;
constexpr int KeyMinus = 45;
constexpr int KeyPoint = 46;

// Amounts from a hundred million up are beyond what the fee arithmetic holds: no money field
// takes one, however many digits follow the decimal point.
constexpr qint64 AmountLimit = 100000000;

// A field as a key finds it: its text, its caret and its selection (start -1: none).
struct FieldState
{
    QString text;
    int cursorPosition = 0;
    int selectionStart = -1;
    int selectionLength = 0;
};

// The text a key leaves in the field: a typed character replaces the selection or goes in at
// the caret; Backspace removes the selection or the character before the caret.
QString TextAfterKey(const FieldState &field, int keyCode);

// Money fields: digits and one decimal point; never "-". Either of "." and "," types the user's
// decimal point, as a keypad's decimal key does. A key that would not leave a number passes only
// while the whole text is selected (the change check then decides), or when it is the first
// decimal point of an empty field. No key may leave an amount beyond the limit.
int FilterMoneyKey(int keyCode, const FieldState &field);

// Count fields: digits only, and never more than the largest count of items.
int FilterCountKey(int keyCode, const FieldState &field);

// The exchange rate: digits and one decimal point, typed as in the money fields, below the
// largest rate. With no change check behind it, a key that would leave no number (a letter
// over the whole text) is refused outright.
int FilterRateKey(int keyCode, const FieldState &field);

// A text holds no amount beyond the limit (a text that is no number holds none).
bool IsWithinAmountLimit(const QString &text);

// A money text is kept when it is a number not below 0 and within the amount limit, or a lone
// decimal point.
bool IsAcceptableMoneyText(const QString &text);

// A rate text is kept while it is empty, a lone decimal point, or digits with at most one
// decimal point below the largest rate: whatever a paste brings otherwise empties the field.
bool IsAcceptableRateText(const QString &text);

// A count text is kept when it is empty or plain digits (no sign, separator, exponent, blank or
// currency sign) of at most CountLengthLimit characters, not above the largest count.
constexpr int CountLengthLimit = 5;
bool IsAcceptableCountText(const QString &text);

// The opening bid a single item's field keeps on a site: a number below the site's least opening
// bid (eBay Germany's 1.00) is raised to it as it is typed; any other text stays.
QString WithMinimumOpeningBid(const QString &text, qint32 site);

// Text dropped into a count field at a position is taken when it is plain digits and leaves an
// acceptable count.
bool IsAcceptableCountDrop(const QString &fieldText, int position, const QString &dropped);

} // namespace EntryFieldRules
