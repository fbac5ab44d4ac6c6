#include "TestLocales.h"
#include "WindowFixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

// The seven entry fields of the calculator window, driven with real keys, pastes and focus
// changes: what they let the user type, which texts they keep, how they select their text when
// entered and how they clean up and recalculate when left.
//
// Texts in the tables are written with "." and a "$" where the window shows them; they are
// passed through inLocale(), so that the comma locale types and expects "1,5" and "$0,01".
namespace {

struct FieldInfo
{
    const char *name;
    int tab;
    bool count;
};

const FieldInfo Fields[] = {
    {"txtStartingPrice", 0, false},    {"txtPrice", 0, false},           {"txtDutchOpeningPrice", 1, false},
    {"txtDutchFinalPrice", 1, false},  {"txtPaymentAmount", 2, false},   {"txtDutchItemsOffered", 1, true},
    {"txtDutchItemsSold", 1, true},
};

bool isEntryField(const QString &name)
{
    for (const FieldInfo &info : Fields) {
        if (name == QLatin1String(info.name))
            return true;
    }
    return false;
}

// The exchange rate: a key filter and a change check of its own, no focus rules.
const FieldInfo RateField{"txtConversion", 2, false};

const FieldInfo &infoOf(const QString &name)
{
    if (name == QLatin1String(RateField.name))
        return RateField;
    for (const FieldInfo &info : Fields) {
        if (name == QLatin1String(info.name))
            return info;
    }
    qFatal("no entry field named %s", qPrintable(name));
}

// The separator the current locale does not use for decimals: "," in English, "." in German.
QString foreignSeparator()
{
    return QLocale().decimalPoint() == QLatin1String(".") ? QStringLiteral(",") : QStringLiteral(".");
}

// Keys and texts of the tables with "." for the locale's decimal point and "," for the other
// separator, which is the locale's thousands separator too ("1,000.5" types or reads "1.000,5"
// in German).
QString withSeparators(const QString &pointAndComma)
{
    const QChar point = QLocale().decimalPoint().front();
    const QChar other = foreignSeparator().front();
    QString result = pointAndComma;
    for (QChar &c : result) {
        if (c == QLatin1Char('.'))
            c = point;
        else if (c == QLatin1Char(','))
            c = other;
    }
    return result;
}

// "name=text" pairs of a table cell.
QList<QPair<QString, QString>> pairs(const QStringList &cells)
{
    QList<QPair<QString, QString>> result;
    for (const QString &cell : cells) {
        const qsizetype at = cell.indexOf(QLatin1Char('='));
        result.append({cell.left(at), cell.mid(at + 1)});
    }
    return result;
}

} // namespace

class TestEntryFields : public QObject
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

    // ---- Key filter ----

    void keyFilter_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");

        struct Case
        {
            const char *label;
            const char *keys;
            const char *money;
            const char *count;
        };
        // Typed into an empty field; "." stands for the locale's decimal separator.
        static const Case cases[] = {
            {"one point five", "1.5", "1.5", "15"},
            {"second separator refused", "1.5.", "1.5", "15"},
            {"two separators in a row", "1..5", "1.5", "15"},
            {"leading minus refused", "-5", "5", "5"},
            {"trailing minus refused", "5-", "5", "5"},
            {"letter after digits refused", "12a", "12", "12"},
            {"letter into empty field emptied", "a", "", ""},
            {"digits after an emptied letter", "a5", "5", "5"},
            {"letters amid digits refused", "1x2y", "12", "12"},
            {"lone separator", ".", ".", ""},
            {"separator first", ".5", ".5", "5"},
            {"zero", "0", "0", "0"},
            {"largest count", "32767", "32767", "32767"},
            {"one above the largest count", "32768", "32768", "3276"},
            {"five nines", "99999", "99999", "9999"},
        };
        for (const FieldInfo &info : Fields) {
            for (const Case &c : cases) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(info.name, c.label)))
                    << info.name << c.keys << (info.count ? c.count : c.money);
            }
        }
    }
    void keyFilter()
    {
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(QString, expected);

        QLineEdit *target = open(field);
        target->clear();
        typeInto(target, inLocale(keys));
        QCOMPARE(target->text(), inLocale(expected));
    }

    // The exchange rate takes digits and one decimal point as the money fields do, but refuses a
    // letter even over its whole text, stops below a million and holds 16 characters.
    void exchangeRateKeys_data()
    {
        QTest::addColumn<QString>("initial"); // the whole text is selected on entering
        QTest::addColumn<QString>("keys");    // "." the locale's decimal point, "," the other separator
        QTest::addColumn<QString>("expected");
        QTest::newRow("rate") << "" << "0.8" << "0.8";
        QTest::newRow("other separator") << "" << "1,317" << "1.317";
        QTest::newRow("minus refused") << "" << "-100" << "100";
        QTest::newRow("exponent refused") << "" << "1e308" << "1308";
        QTest::newRow("letters refused") << "" << "abc" << "";
        QTest::newRow("dollar refused") << "" << "$5" << "5";
        QTest::newRow("letter over the whole text refused") << "0.5305" << "x" << "0.5305";
        QTest::newRow("largest rate") << "" << "999999.99" << "999999.99";
        QTest::newRow("seventh digit refused") << "" << "1000000" << "100000";
        QTest::newRow("17th character refused") << "" << "0.123456789012345" << "0.12345678901234";
        QTest::newRow("blank after the rate refused") << "" << "91 " << "91";
        QTest::newRow("no-break space after the rate refused") << "" << QStringLiteral("91\u00a0") << "91";
    }
    void exchangeRateKeys()
    {
        QFETCH(QString, initial);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        fixture->find<QAction>("mnuOptionsSiteUK")->trigger();
        chooseTab(2);
        QLineEdit *target = fixture->field("txtConversion");
        QVERIFY(target->isVisible());
        target->setText(withSeparators(initial));
        enter(target);
        typeKeys(target, withSeparators(keys));
        QCOMPARE(target->text(), withSeparators(expected));
    }

    // Both separators type the locale's decimal point into a money field, the other one as a
    // keypad's decimal key does, and a second one of either kind is refused; a count field takes
    // neither. Keys are typed one by one, on the main keys or all of them on the keypad.
    void otherSeparator_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");

        struct Case
        {
            const char *label;
            const char *keys;
            const char *money;
            const char *count;
        };
        // "." is the locale's decimal point, "," the other separator.
        static const Case cases[] = {
            {"twelve fifty", "12,50", "12.50", "1250"},
            {"one five", "1,5", "1.5", "15"},
            {"other separator first", ",5", ".5", "5"},
            {"lone other separator", ",", ".", ""},
            {"second other separator refused", "1,5,", "1.5", "15"},
            {"other after the point refused", "1.5,", "1.5", "15"},
            {"point after the other refused", "1,5.", "1.5", "15"},
            {"two other separators in a row", "1,,5", "1.5", "15"},
        };
        for (const FieldInfo &info : Fields) {
            for (const Case &c : cases) {
                for (const bool keypad : {false, true}) {
                    QTest::newRow(qPrintable(
                        QStringLiteral("%1 %2%3").arg(info.name, c.label, QLatin1String(keypad ? " keypad" : ""))))
                        << info.name << keypad << c.keys << (info.count ? c.count : c.money);
                }
            }
        }
    }
    void otherSeparator()
    {
        QFETCH(QString, field);
        QFETCH(bool, keypad);
        QFETCH(QString, keys);
        QFETCH(QString, expected);

        QLineEdit *target = open(field);
        target->clear();
        enter(target);
        typeKeys(target, withSeparators(keys), keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(target->text(), inLocale(expected));
    }

    // Keys typed into a money field amid its text. The decimal point that the other separator
    // types goes where that separator would have gone. No key leaves an amount of a hundred
    // million or more, judged by the text the key really leaves (caret and selection
    // considered); digits after the decimal point are not limited.
    void typingAmidTheText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<int>("left");     // Left presses from the end; -1 keeps the selection of entering
        QTest::addColumn<int>("selected"); // then Shift+Left presses
        QTest::addColumn<QString>("keys"); // "\b" is Backspace, "," the other separator
        QTest::addColumn<QString>("expected");

        struct Case
        {
            const char *label;
            const char *initial;
            int left;
            int selected;
            const char *keys;
            const char *expected;
        };
        static const Case cases[] = {
            {"other separator amid the digits", "12345", 3, 0, ",", "12.345"},
            {"other separator at the start", "12345", 5, 0, ",", ".12345"},
            {"other separator over a selection", "12345", 1, 2, ",", "12.5"},
            {"other separator over the whole text", "12345", 0, 5, ",", "."},
            {"other separator beside the point refused", "1.5", 1, 0, ",", "1.5"},
            {"eight nines and cents", "", 0, 0, "99999999.99", "99999999.99"},
            {"ninth digit refused", "", 0, 0, "999999999", "99999999"},
            {"hundred million refused", "", 0, 0, "100000000", "10000000"},
            {"decimals after a refused ninth digit", "", 0, 0, "123456789.5", "12345678.5"},
            {"decimals unlimited", "", 0, 0, "12345678.123456789012", "12345678.123456789012"},
            {"decimal nines unlimited", "", 0, 0, "99999999.99999999999999", "99999999.99999999999999"},
            {"digit at the end refused", "99999999", 0, 0, "9", "99999999"},
            {"digit at the start refused", "12345678", 8, 0, "9", "12345678"},
            {"one digit at the start of seven", "1234567", 7, 0, "99", "91234567"},
            {"digit before the point refused", "12345678.5", 2, 0, "9", "12345678.5"},
            {"digit after the point", "12345678.5", 1, 0, "9", "12345678.95"},
            {"digit over a selection", "12345678", 0, 2, "9", "1234569"},
            {"typing over the whole large amount", "99999999.99", -1, 0, "25", "25"},
            {"typing over the whole eight digits", "99999999", -1, 0, "5", "5"},
            {"retyping the whole amount stops at eight digits", "99999999.99", -1, 0, "123456789", "12345678"},
            {"backspace joining nine digits refused", "99999999.5", 1, 0, "\b", "99999999.5"},
            {"backspace at the end", "99999999.5", 0, 0, "\b", "99999999."},
            {"other separator amid eight digits", "12345678", 2, 0, ",", "123456.78"},
            {"blank amid the digits refused", "12", 1, 0, " ", "12"},
            {"digit before a dollar sign refused", "$12", 3, 0, "5", "$12"},
        };
        for (const FieldInfo &info : Fields) {
            if (info.count)
                continue;
            for (const Case &c : cases) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(info.name, c.label)))
                    << info.name << c.initial << c.left << c.selected << c.keys << c.expected;
            }
        }
    }
    void typingAmidTheText()
    {
        QFETCH(QString, field);
        QFETCH(QString, initial);
        QFETCH(int, left);
        QFETCH(int, selected);
        QFETCH(QString, keys);
        QFETCH(QString, expected);

        QLineEdit *target = open(field);
        target->setText(inLocale(initial));
        enter(target);
        if (left >= 0)
            moveCaret(target, left, selected);
        typeKeys(target, withSeparators(keys));
        QCOMPARE(target->text(), inLocale(expected));
    }

    // With the whole text selected a letter passes the key filter of a money field and the
    // change check then empties the field; a count field refuses the letter outright.
    void letterOverWholeSelection_data() { addFieldColumn(); }
    void letterOverWholeSelection()
    {
        QFETCH(QString, field);
        QLineEdit *target = open(field);
        target->setText(QStringLiteral("12"));
        enter(target);
        QCOMPARE(target->selectedText(), QStringLiteral("12"));
        QTest::keyClick(target, 'x');
        QCOMPARE(target->text(), infoOf(field).count ? QStringLiteral("12") : QString());
    }

    // Entering a field selects its text, so that typing replaces it.
    void typingReplacesSelectedText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("initial");
        for (const FieldInfo &info : Fields) {
            for (const char *initial : {"12", "20000", "32767"})
                QTest::newRow(qPrintable(QStringLiteral("%1 over %2").arg(info.name, initial))) << info.name << initial;
        }
    }
    void typingReplacesSelectedText()
    {
        QFETCH(QString, field);
        QFETCH(QString, initial);
        QLineEdit *target = open(field);
        target->setText(initial);
        enter(target);
        QCOMPARE(target->selectedText(), initial);
        QTest::keyClick(target, '7');
        // A count key is judged by the text it leaves: over a selected 20000 a 7 gives 7.
        QCOMPARE(target->text(), QStringLiteral("7"));
    }

    // Copy and paste keys pass in money fields and are swallowed in count fields. The keys are
    // sent once as QTest synthesises them and once with the control character a keyboard
    // delivers with Ctrl+V / Ctrl+C. The context menu, opened with a real right click, pastes
    // by the same rule: its Paste is disabled in count fields, whether clicked or chosen by its
    // key.
    void clipboardKeys_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");
        for (const FieldInfo &info : Fields) {
            for (const char *how : {"keyClick", "control character", "menu clicked", "menu key"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(info.name, how))) << info.name << how;
        }
    }
    void clipboardKeys()
    {
        QFETCH(QString, field);
        QFETCH(QString, how);
        const bool controlCharacter = how == QLatin1String("control character");
        const bool count = infoOf(field).count;
        QClipboard *clipboard = QApplication::clipboard();

        QLineEdit *target = open(field);
        target->clear();
        typeInto(target, QStringLiteral("12"));
        QCOMPARE(target->text(), QStringLiteral("12"));
        QVERIFY(!target->hasSelectedText());

        clipboard->setText(QStringLiteral("7"));
        if (how.startsWith(QLatin1String("menu"))) {
            pasteFromContextMenu(target, how == QLatin1String("menu key"), !count);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(target->text(), count ? QStringLiteral("12") : QStringLiteral("127"));
            return;
        }
        if (controlCharacter)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_V, QString(QChar(22)), Qt::ControlModifier);
        else
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        // Ctrl+V is the paste key whatever text the key event carries (QTest sends "v").
        QCOMPARE(target->text(), count ? QStringLiteral("12") : QStringLiteral("127"));

        target->setText(QStringLiteral("34"));
        target->selectAll();
        clipboard->setText(QStringLiteral("untouched"));
        if (controlCharacter)
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_C, QString(QChar(3)), Qt::ControlModifier);
        else
            QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), count ? QStringLiteral("untouched") : QStringLiteral("34"));
        QCOMPARE(target->text(), QStringLiteral("34"));
    }

    // ---- Change check ----

    void changeCheck_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        struct Case
        {
            const char *label;
            QString text;
            const char *money;  // nullptr: a count-field row only
            const char *count;
            const char *rate = nullptr;  // nullptr: no exchange-rate row
        };
        // A count field keeps "" or plain digits, from whatever source the text comes.
        const Case cases[] = {
            {"negative", "-12", "", "", ""},
            {"negative fraction", "-0.5", "", ""},
            {"digits then letters", "12abc", "", ""},
            {"letters", "abc", "", "", ""},
            {"lone separator", ".", ".", "", "."},
            {"plain number", "12", "12", "12", "12"},
            {"fraction", "2.5", "2.5", "", "2.5"},
            {"dollar amount", "$5", "$5", "", ""},
            {"largest count", "32767", "32767", "32767"},
            {"above the largest count", "40000", "40000", "", "40000"},
            {"beyond every number", "1e400", "", "", ""},
            {"plus sign", "+5", nullptr, ""},
            {"exponent", "1E+1", nullptr, "", ""},
            {"fraction of ten", "10.4", nullptr, ""},
            {"negative zero", "-0", nullptr, ""},
            {"line break", "5\r\n", nullptr, ""},
            {"blank before", " 5", nullptr, "", ""},
            {"five digits with zeros", "00005", nullptr, "00005"},
            {"six digits with zeros", "000005", nullptr, ""},
            {"32,767 zeros", QString(32767, QLatin1Char('0')), nullptr, ""},
            {"largest rate", "999999.99", nullptr, nullptr, "999999.99"},
            {"a million", "1000000", nullptr, nullptr, ""},
        };
        for (const FieldInfo &info : Fields) {
            for (const Case &c : cases) {
                if (info.count ? !c.count : !c.money)
                    continue;
                for (const bool paste : {false, true}) {
                    const QString how = QLatin1String(paste ? "pasted" : "set");
                    QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3").arg(info.name, how, c.label)))
                        << info.name << paste << c.text << (info.count ? c.count : c.money);
                }
            }
        }
        for (const Case &c : cases) {
            if (c.rate)
                QTest::newRow(qPrintable(QStringLiteral("txtConversion pasted %1").arg(c.label)))
                    << RateField.name << true << c.text << c.rate;
        }
    }
    void changeCheck()
    {
        QFETCH(QString, field);
        QFETCH(bool, paste);
        QFETCH(QString, text);
        QFETCH(QString, expected);

        QLineEdit *target = open(field);
        target->clear();
        putText(target, inLocale(text), paste);
        QCOMPARE(target->text(), inLocale(expected));
    }

    // Text dragged from elsewhere and dropped at the end of a count field holding 12, with the
    // events a drop delivers (enter, move, drop, each only after the last was accepted): only
    // plain digits that leave a count are taken.
    void countFieldDrop_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("expected");
        const QList<QPair<QString, QString>> cases{
            {QStringLiteral("345"), QStringLiteral("12345")}, {QStringLiteral("9999"), QStringLiteral("12")},
            {QStringLiteral("$5"), QStringLiteral("12")},     {QStringLiteral("1E+1"), QStringLiteral("12")},
            {QStringLiteral("-0"), QStringLiteral("12")},     {QStringLiteral("5\r\n"), QStringLiteral("12")},
        };
        for (const char *field : {"txtDutchItemsOffered", "txtDutchItemsSold"}) {
            for (const auto &[dropped, expected] : cases) {
                const QString shown = QString(dropped).replace(u'\r', u'^').replace(u'\n', u'^');
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(field, shown))) << field << dropped << expected;
            }
        }
    }
    void countFieldDrop()
    {
        QFETCH(QString, field);
        QFETCH(QString, dropped);
        QFETCH(QString, expected);
        QLineEdit *target = open(field);
        target->setText(QStringLiteral("12"));
        QMimeData data;
        data.setText(dropped);
        const QPointF spot = textPoint(target, 2);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enterEvent(spot.toPoint(), actions, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enterEvent);
        bool accepted = enterEvent.isAccepted();
        if (accepted) {
            QDragMoveEvent moveEvent(spot.toPoint(), actions, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &moveEvent);
            accepted = moveEvent.isAccepted();
        }
        if (accepted) {
            QDropEvent dropEvent(spot, actions, &data, Qt::LeftButton, {});
            QApplication::sendEvent(target, &dropEvent);
            accepted = dropEvent.isAccepted();
        }
        QCOMPARE(accepted, expected != QLatin1String("12"));
        QCOMPARE(target->text(), expected);
    }

    // A money text of a hundred million or more, pasted with Ctrl+V at the end of the text or set
    // by the program, empties the field, in whatever form the number is written. "," is the
    // locale's thousands separator.
    void amountLimitPastedOrSet_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("initial");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");

        struct Case
        {
            const char *label;
            const char *initial;
            QString text;
            const char *expected;
        };
        const Case cases[] = {
            {"eight nines and cents", "", "99999999.99", "99999999.99"},
            {"hundred million", "", "100000000", ""},
            {"nine digits", "", "123456789", ""},
            {"decimal nines unlimited", "", "99999999.9999999999", "99999999.9999999999"},
            {"thousands below", "", "99,999,999.99", "99,999,999.99"},
            {"thousands at the limit", "", "100,000,000", ""},
            {"dollar below", "", "$99999999", "$99999999"},
            {"dollar at the limit", "", "$100000000", ""},
            {"exponent 1e9", "", "1e9", ""},
            {"exponent 1E8", "", "1E8", ""},
            {"exponent below", "", "9.9e7", "9.9e7"},
            {"blanks around", "", " 100000000 ", ""},
            {"forty digits", "", QStringLiteral("1") + QString(39, QLatin1Char('0')), ""},
            {"completing nine digits", "1234", "56789", ""},
            {"completing eight digits", "1234", "5678", "12345678"},
        };
        for (const FieldInfo &info : Fields) {
            if (info.count)
                continue;
            for (const Case &c : cases) {
                for (const bool paste : {false, true}) {
                    const QString how = QLatin1String(paste ? "pasted" : "set");
                    QTest::newRow(qPrintable(QStringLiteral("%1 %2 %3").arg(info.name, how, c.label)))
                        << info.name << paste << c.initial << c.text << c.expected;
                }
            }
        }
    }
    void amountLimitPastedOrSet()
    {
        QFETCH(QString, field);
        QFETCH(bool, paste);
        QFETCH(QString, initial);
        QFETCH(QString, text);
        QFETCH(QString, expected);

        QLineEdit *target = open(field);
        target->setText(withSeparators(initial));
        if (paste) {
            enter(target);
            QTest::keyClick(target, Qt::Key_End);
            QApplication::clipboard()->setText(withSeparators(text));
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        } else {
            target->setText(withSeparators(initial + text));
        }
        QCOMPARE(target->text(), withSeparators(expected));
        fixture->leave();
        QVERIFY(fixture->window->isVisible());
    }

    // The other locale's lone separator is not kept.
    void foreignLoneSeparatorEmptied_data() { addFieldColumn(); }
    void foreignLoneSeparatorEmptied()
    {
        QFETCH(QString, field);
        QLineEdit *target = open(field);
        target->clear();
        putText(target, foreignSeparator(), true);
        QCOMPARE(target->text(), QString());
    }

    // On eBay Germany the opening bid is never below 1.00, at once while typing.
    void germanOpeningBid_data()
    {
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("expected");

        const QString de = QStringLiteral("mnuOptionsSiteGermany");
        const QString us = QStringLiteral("mnuOptionsSiteEbay");
        QTest::newRow("typed 0") << de << "txtStartingPrice" << "0" << false << "1.00";
        QTest::newRow("typed separator then 5") << de << "txtStartingPrice" << ".5" << false << "1.00";
        QTest::newRow("typed 5 stays") << de << "txtStartingPrice" << "5" << false << "5";
        QTest::newRow("typed 1 stays") << de << "txtStartingPrice" << "1" << false << "1";
        QTest::newRow("pasted 0.99") << de << "txtStartingPrice" << "0.99" << true << "1.00";
        QTest::newRow("pasted $0.50") << de << "txtStartingPrice" << "$0.50" << true << "1.00";
        QTest::newRow("pasted 1.5 stays") << de << "txtStartingPrice" << "1.5" << true << "1.5";
        QTest::newRow("lone separator stays") << de << "txtStartingPrice" << "." << false << ".";
        QTest::newRow("closing bid not raised") << de << "txtPrice" << "0" << false << "0";
        QTest::newRow("multiple-item opening bid not raised") << de << "txtDutchOpeningPrice" << "0" << false << "0";
        QTest::newRow("payment not raised") << de << "txtPaymentAmount" << "0" << false << "0";
        QTest::newRow("eBay.com typed 0 stays") << us << "txtStartingPrice" << "0" << false << "0";
        QTest::newRow("eBay.com pasted 0.99 stays") << us << "txtStartingPrice" << "0.99" << true << "0.99";
    }
    void germanOpeningBid()
    {
        QFETCH(QString, site);
        QFETCH(QString, field);
        QFETCH(QString, keys);
        QFETCH(bool, paste);
        QFETCH(QString, expected);

        fixture->find<QAction>(qPrintable(site))->trigger();
        QLineEdit *target = open(field);
        target->clear();
        if (paste)
            putText(target, inLocale(keys), true);
        else
            typeInto(target, inLocale(keys));
        QCOMPARE(target->text(), inLocale(expected));
    }

    // ---- Entering a field ----

    void gotFocusSelectsWholeText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("backwards");
        for (const FieldInfo &info : Fields) {
            QTest::newRow(qPrintable(QStringLiteral("%1 Tab").arg(info.name))) << info.name << false;
            QTest::newRow(qPrintable(QStringLiteral("%1 Shift+Tab").arg(info.name))) << info.name << true;
        }
    }
    void gotFocusSelectsWholeText()
    {
        QFETCH(QString, field);
        QFETCH(bool, backwards);
        QLineEdit *target = open(field);
        target->setText(QStringLiteral("12"));
        target->setCursorPosition(1);

        QWidget *from = neighbourInTabOrder(target, backwards);
        QVERIFY(from);
        from->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        QVERIFY(from->hasFocus());
        if (backwards)
            QTest::keyClick(from, Qt::Key_Backtab, Qt::ShiftModifier);
        else
            QTest::keyClick(from, Qt::Key_Tab);

        // Shift+Tab moves on from a count field whatever character the key event carries
        // (QTest's Backtab carries 0x0B).

        QVERIFY2(target->hasFocus(), qPrintable(QStringLiteral("from %1 to %2").arg(from->objectName(),
            QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QStringLiteral("nothing"))));
        // Leaving the neighbour may have recalculated and reformatted the text; whatever it
        // shows now is selected in full with the caret at the start.
        QVERIFY(!target->text().isEmpty());
        QCOMPARE(target->cursorPosition(), 0);
        QCOMPARE(target->selectedText(), target->text());
    }

    // A click into a field selects its whole text as Tab does, wherever on the text it lands, so
    // that typing replaces the text.
    void clickSelectsWholeText_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("where");
        for (const FieldInfo &info : Fields) {
            for (const char *where : {"centre", "start", "middle", "end"})
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(info.name, where))) << info.name << where;
        }
    }
    void clickSelectsWholeText()
    {
        QFETCH(QString, field);
        QFETCH(QString, where);
        QLineEdit *target = open(field);
        const QString initial = sampleText(field);
        target->setText(initial);
        const int position = where == QLatin1String("start")    ? 0
                             : where == QLatin1String("middle") ? int(initial.size() / 2)
                                                                : int(initial.size());
        QTest::mouseClick(target, Qt::LeftButton, {},
                          where == QLatin1String("centre") ? QPoint() : textPoint(target, position));

        QVERIFY(target->hasFocus());
        QCOMPARE(target->selectedText(), initial);
        QCOMPARE(target->cursorPosition(), 0);
        QTest::keyClicks(target, QStringLiteral("25"));
        QCOMPARE(target->text(), QStringLiteral("25"));
    }

    // Once a field has the focus, a click in it places the caret as usual.
    void secondClickPlacesCaret_data() { addFieldColumn(); }
    void secondClickPlacesCaret()
    {
        QFETCH(QString, field);
        QLineEdit *target = open(field);
        const QString initial = sampleText(field);
        target->setText(initial);
        const int middle = int(initial.size() / 2);
        const QPoint inTheMiddle = textPoint(target, middle); // measuring moves the caret
        QTest::mouseClick(target, Qt::LeftButton);
        QCOMPARE(target->selectedText(), initial);

        QTest::mouseClick(target, Qt::LeftButton, {}, inTheMiddle);
        QVERIFY(!target->hasSelectedText());
        QCOMPARE(target->cursorPosition(), middle);
        QTest::keyClick(target, '5');
        QCOMPARE(target->text(), initial.left(middle) + QLatin1Char('5') + initial.mid(middle));
    }

    // Dragging across the text of a field entered by that press selects what it covers.
    void dragOnEntrySelectsDraggedText_data() { addFieldColumn(); }
    void dragOnEntrySelectsDraggedText()
    {
        QFETCH(QString, field);
        QLineEdit *target = open(field);
        target->setText(QStringLiteral("1234"));
        // Measured before the press: measuring moves the caret.
        const QPoint from = textPoint(target, 1);
        const QPoint over = textPoint(target, 2);
        const QPoint to = textPoint(target, 3);
        QTest::mousePress(target, Qt::LeftButton, {}, from);
        QVERIFY(target->hasFocus());
        QTest::mouseMove(target, over);
        QTest::mouseMove(target, to);
        QTest::mouseRelease(target, Qt::LeftButton, {}, to);
        QCOMPARE(target->selectedText(), QStringLiteral("23"));
    }

    // What the user types after clicking into a field replaces its text, and leaving the field
    // calculates with it.
    void clickTypeAndLeave_data()
    {
        QTest::addColumn<QString>("from");        // "field=keys" typed (after Tab) before the click, or ""
        QTest::addColumn<QStringList>("presets"); // fields filled before
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("shown");       // the field's text when the click lands
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");    // the field after leaving
        QTest::addColumn<QStringList>("results");

        // 25 * 5.25 % = 1.3125 -> 1.31.
        QTest::newRow("closing bid 10.00 retyped")
            << "" << QStringList{"txtPrice=10.00"} << "txtPrice" << "10.00" << "25" << "25.00"
            << QStringList{"txtInsertionFee=0.00", "txtFVF=1.31", "txtFees=1.31"};
        // Leaving the opening bid raises the closing bid to 5.00 before the click lands; the
        // listing fee of 5.00 is 0.35.
        QTest::newRow("closing bid clicked from the opening bid")
            << "txtStartingPrice=5" << QStringList{} << "txtPrice" << "5.00" << "25" << "25.00"
            << QStringList{"txtInsertionFee=0.35", "txtFVF=1.31", "txtFees=1.66"};
        // 25 * 2.9 % + 0.30 = 1.025 -> 1.03.
        QTest::newRow("payment 10.00 retyped")
            << "" << QStringList{"txtPaymentAmount=10.00"} << "txtPaymentAmount" << "10.00" << "25" << "25.00"
            << QStringList{"txtPayPalFee=1.03"};
        QTest::newRow("items sold 10 retyped")
            << "" << QStringList{"txtDutchItemsOffered=10", "txtDutchOpeningPrice=2", "txtDutchFinalPrice=5",
                                 "txtDutchItemsSold=10"}
            << "txtDutchItemsSold" << "10" << "4" << "4"
            << QStringList{"txtTotalDutchAuctionSales=8.00", "txtDutchFees=1.02"};
    }
    void clickTypeAndLeave()
    {
        QFETCH(QString, from);
        QFETCH(QStringList, presets);
        QFETCH(QString, field);
        QFETCH(QString, shown);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(QStringList, results);

        QLineEdit *target = open(field);
        usePlainCardPayments();
        for (const auto &[name, text] : pairs(presets))
            fixture->field(qPrintable(name))->setText(inLocale(text));
        if (!from.isEmpty()) {
            const auto [name, fromKeys] = pairs({from}).front();
            typeInto(fixture->field(qPrintable(name)), inLocale(fromKeys));
        }
        for (const auto &[name, text] : pairs(results))
            fixture->field(qPrintable(name))->setText(QString());

        QTest::mouseClick(target, Qt::LeftButton, {}, textPoint(target, int(target->text().size())));
        QCOMPARE(target->text(), inLocale(shown));
        QCOMPARE(target->selectedText(), target->text());
        QTest::keyClicks(target, keys);
        fixture->leave();

        QCOMPARE(target->text(), inLocale(expected));
        for (const auto &[name, text] : pairs(results))
            QCOMPARE(fixture->text(qPrintable(name)) + QStringLiteral(" in ") + name,
                     inLocale(text) + QStringLiteral(" in ") + name);
    }

    // ---- Leaving a field ----

    void leavingCleansUp_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("reserve");              // index of cboIsReserve, -1: as it starts
        QTest::addColumn<QStringList>("presets");      // other fields filled before typing
        QTest::addColumn<QString>("keys");             // typed before leaving; "," the other separator
        QTest::addColumn<QString>("expected");         // the field after leaving
        QTest::addColumn<QStringList>("shownOnTheWay"); // texts the field shows while it is cleaned up
        QTest::addColumn<QStringList>("results");      // result fields emptied before leaving, then expected

        const QStringList none;

        // Opening bid: an amount below one cent is no bid at all.
        QTest::newRow("opening 0.001 emptied, recalculated")
            << "txtStartingPrice" << -1 << none << "0.001" << "" << none
            << QStringList{"txtInsertionFee=0.00", "txtFVF=0.00", "txtFees=0.00"};
        QTest::newRow("opening 0.009 emptied") << "txtStartingPrice" << -1 << none << "0.009" << "" << none
                                               << QStringList{"txtInsertionFee=0.00"};
        QTest::newRow("opening 0 emptied") << "txtStartingPrice" << -1 << none << "0" << "" << none
                                           << QStringList{"txtInsertionFee=0.00", "txtFees=0.00"};
        // 1.00 is the second tier (0.35); the closing bid rises to 1.00: 5.25 % = 0.0525 -> 0.05.
        QTest::newRow("opening 1") << "txtStartingPrice" << -1 << none << "1" << "1.00" << none
                                   << QStringList{"txtInsertionFee=0.35", "txtFVF=0.05", "txtFees=0.40",
                                                  "txtPrice=1.00"};
        // 150: fifth tier 2.40; closing raised to 150: 1.3125 + 125 * 0.0275 = 4.75.
        QTest::newRow("opening 150") << "txtStartingPrice" << -1 << none << "150" << "150.00" << none
                                     << QStringList{"txtInsertionFee=2.40", "txtFVF=4.75", "txtFees=7.15",
                                                    "txtPrice=150.00"};
        // A lone separator is no number: emptied, and nothing is recalculated.
        QTest::newRow("opening lone separator, no recalculation")
            << "txtStartingPrice" << -1 << none << "." << "" << none << QStringList{"txtInsertionFee=", "txtFees="};
        QTest::newRow("opening letters") << "txtStartingPrice" << -1 << none << "abc" << "" << none
                                         << QStringList{"txtInsertionFee="};

        // Closing bid 0: the smallest bid without a reserve, nothing with one.
        QTest::newRow("closing 0 no reserve")
            << "txtPrice" << 0 << none << "0" << "0.01" << QStringList{"$0.01"}
            << QStringList{"txtInsertionFee=0.00", "txtFVF=0.00", "txtFees=0.00"};
        // Reserve 150 not met: listing 2.40 plus reserve fee 2.00, no final value fee.
        QTest::newRow("closing 0 reserve")
            << "txtPrice" << 1 << QStringList{"txtStartingPrice=150"} << "0" << "0.00" << QStringList{"$0.00"}
            << QStringList{"txtInsertionFee=4.40", "txtFVF=", "txtFees=4.40"};
        // No reserve: the closing bid below the opening bid takes the opening bid's text as typed.
        // Listing 0.35; 5 * 5.25 % = 0.2625 -> 0.26.
        QTest::newRow("closing 3 below opening 5 no reserve")
            << "txtPrice" << 0 << QStringList{"txtStartingPrice=5.0"} << "3" << "5.00" << QStringList{"5.0"}
            << QStringList{"txtInsertionFee=0.35", "txtFVF=0.26", "txtFees=0.61", "txtStartingPrice=5.00"};
        // With a reserve the closing bid stays; reserve 5 not met costs 1.00.
        QTest::newRow("closing 3 below reserve 5")
            << "txtPrice" << 1 << QStringList{"txtStartingPrice=5.0"} << "3" << "3.00" << none
            << QStringList{"txtInsertionFee=1.35", "txtFVF=", "txtFees=1.35"};
        // 12 * 5.25 % = 0.63.
        QTest::newRow("closing 12") << "txtPrice" << 0 << none << "12" << "12.00" << none
                                    << QStringList{"txtInsertionFee=0.00", "txtFVF=0.63", "txtFees=0.63"};
        // The other separator types the decimal point: 12.50 * 5.25 % = 0.65625 -> 0.66.
        QTest::newRow("closing 12,50 typed with the other separator")
            << "txtPrice" << 0 << none << "12,50" << "12.50" << none
            << QStringList{"txtInsertionFee=0.00", "txtFVF=0.66", "txtFees=0.66"};
        // Letters leave nothing; the recalculation writes the closing amount 0 back.
        QTest::newRow("closing letters") << "txtPrice" << 0 << none << "abc" << "0.00" << none
                                         << QStringList{"txtFVF=0.00", "txtFees=0.00"};

        // Multiple items, opening bid.
        QTest::newRow("multiple opening 0 emptied")
            << "txtDutchOpeningPrice" << -1 << QStringList{"txtDutchFinalPrice=5"} << "0" << "" << none
            << QStringList{"txtDutchFinalPrice=5.00"};
        // 10 offered, 4 sold: the lowest bid falls to the opening 2.00; lot 20.00 pays 0.60,
        // 4 * 0.105 = 0.42; 1.02 / 4 = 0.255 -> 0.26.
        QTest::newRow("multiple opening 2, four of ten sold")
            << "txtDutchOpeningPrice" << -1
            << QStringList{"txtDutchItemsOffered=10", "txtDutchItemsSold=4", "txtDutchFinalPrice=5"} << "2"
            << "2.00" << none
            << QStringList{"txtDutchFinalPrice=2.00", "txtTotalDutchAuctionSales=8.00", "txtExtraFeaturesDutch=0.00",
                           "txtDutchFees=1.02", "txtDutchCostPerItem=0.26"};
        QTest::newRow("multiple opening lone separator, no recalculation")
            << "txtDutchOpeningPrice" << -1 << QStringList{"txtDutchFinalPrice=5"} << "." << "" << none
            << QStringList{"txtDutchFinalPrice=5"};

        // Multiple items, lowest successful bid.
        QTest::newRow("lowest bid 0 alone") << "txtDutchFinalPrice" << -1 << none << "0" << "0.00"
                                            << QStringList{"$0.00"} << none;
        // All ten sold: the lowest bid is raised to the opening 2.00; lot 0.60 + 10 * 0.105.
        QTest::newRow("lowest bid 0 raised to the opening bid")
            << "txtDutchFinalPrice" << -1
            << QStringList{"txtDutchItemsOffered=10", "txtDutchItemsSold=10", "txtDutchOpeningPrice=2"} << "0"
            << "2.00" << QStringList{"$0.00"}
            << QStringList{"txtTotalDutchAuctionSales=20.00", "txtDutchFees=1.65"};
        QTest::newRow("lowest bid lone separator, no recalculation")
            << "txtDutchFinalPrice" << -1 << QStringList{"txtDutchOpeningPrice=2"} << "." << "" << none
            << QStringList{"txtDutchOpeningPrice=2"};

        // Payment: a zero amount is one cent; 0.01 * 2.9 % + 0.30 = 0.30029.
        QTest::newRow("payment 0") << "txtPaymentAmount" << -1 << none << "0" << "0.01" << QStringList{"$0.01"}
                                   << QStringList{"txtPayPalFee=0.30"};
        QTest::newRow("payment 100") << "txtPaymentAmount" << -1 << none << "100" << "100.00" << none
                                     << QStringList{"txtPayPalFee=3.20"};
        QTest::newRow("payment lone separator") << "txtPaymentAmount" << -1 << none << "." << "" << none
                                                << QStringList{"txtPayPalFee="};

        // Items offered: at least two; lot 2 * 2.00 = 4.00 pays 0.35, 2 * 0.105 = 0.21.
        const QStringList twoAtTwo{"txtDutchOpeningPrice=2", "txtDutchItemsSold=2", "txtDutchFinalPrice=2"};
        const QStringList twoAtTwoResults{"txtTotalDutchAuctionSales=4.00", "txtDutchFees=0.56",
                                          "txtDutchCostPerItem=0.28"};
        QTest::newRow("offered 1 becomes 2") << "txtDutchItemsOffered" << -1 << twoAtTwo << "1" << "2" << none
                                             << twoAtTwoResults;
        QTest::newRow("offered 0 becomes 2") << "txtDutchItemsOffered" << -1 << twoAtTwo << "0" << "2" << none
                                             << twoAtTwoResults;
        QTest::newRow("offered empty stays empty")
            << "txtDutchItemsOffered" << -1 << QStringList{"txtDutchOpeningPrice=2"} << "" << "" << none
            << QStringList{"txtDutchOpeningPrice=2.00"};
        // 3 * 2.00 = 6.00 pays 0.35; 2 * 0.105 = 0.21.
        QTest::newRow("offered 3 stays") << "txtDutchItemsOffered" << -1 << twoAtTwo << "3" << "3" << none
                                         << QStringList{"txtDutchFinalPrice=2.00", "txtDutchFees=0.56"};

        // Items sold.
        QTest::newRow("sold 4 of 10")
            << "txtDutchItemsSold" << -1
            << QStringList{"txtDutchItemsOffered=10", "txtDutchOpeningPrice=2", "txtDutchFinalPrice=5"} << "4" << "4"
            << none
            << QStringList{"txtDutchFinalPrice=2.00", "txtTotalDutchAuctionSales=8.00", "txtDutchFees=1.02"};
        QTest::newRow("sold 12 of 10")
            << "txtDutchItemsSold" << -1
            << QStringList{"txtDutchItemsOffered=10", "txtDutchOpeningPrice=2", "txtDutchFinalPrice=5"} << "12"
            << "10" << none << QStringList{"txtDutchFinalPrice=5.00", "txtTotalDutchAuctionSales=50.00"};
        QTest::newRow("sold 0 of 10")
            << "txtDutchItemsSold" << -1
            << QStringList{"txtDutchItemsOffered=10", "txtDutchOpeningPrice=2", "txtDutchFinalPrice=5"} << "0" << "0"
            << none
            << QStringList{"txtDutchFinalPrice=0.00", "txtTotalDutchAuctionSales=0.00", "txtDutchFees=0.60",
                           "txtDutchCostPerItem=N/A"};
    }
    void leavingCleansUp()
    {
        QFETCH(QString, field);
        QFETCH(int, reserve);
        QFETCH(QStringList, presets);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QFETCH(QStringList, shownOnTheWay);
        QFETCH(QStringList, results);

        QLineEdit *target = open(field);
        if (reserve >= 0)
            fixture->find<QComboBox>("cboIsReserve")->setCurrentIndex(reserve);
        if (infoOf(field).tab == 2)
            usePlainCardPayments();
        for (const auto &[name, text] : pairs(presets))
            fixture->field(qPrintable(name))->setText(inLocale(text));
        // Result fields are emptied, so that only a recalculation on leaving can fill them.
        for (const auto &[name, text] : pairs(results)) {
            if (!isEntryField(name))
                fixture->field(qPrintable(name))->setText(QString());
        }

        QObject recorder;
        QStringList shown;
        connect(target, &QLineEdit::textChanged, &recorder, [&shown](const QString &text) { shown.append(text); });
        enter(target);
        QTest::keyClicks(target, withSeparators(keys));
        fixture->leave();

        QCOMPARE(target->text(), inLocale(expected));
        for (const QString &text : shownOnTheWay)
            QVERIFY2(shown.contains(inLocale(text)), qPrintable(shown.join(QStringLiteral(" | "))));
        for (const auto &[name, text] : pairs(results))
            QCOMPARE(fixture->text(qPrintable(name)) + QStringLiteral(" in ") + name,
                     inLocale(text) + QStringLiteral(" in ") + name);
    }

    // ---- Bad input never sticks ----

    void badInput_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("how");     // "type" after typing 12, or "paste" into the field
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected"); // the field right after the input

        struct Case
        {
            const char *label;
            const char *how;
            const char *input;
            const char *money;
            const char *count;
        };
        static const Case cases[] = {
            {"typed letters", "type", "abc", "12", "12"},
            {"typed second separator", "type", ".5.", "12.5", "125"},
            {"typed minus", "type", "-", "12", "12"},
            {"typed plus", "type", "+", "12", "12"},
            {"pasted -12", "paste", "-12", "", ""},
            {"pasted 12abc", "paste", "12abc", "", ""},
            {"pasted 1e400", "paste", "1e400", "", ""},
            {"pasted two separators", "paste", "1.2.3", "", ""},
            {"pasted minus alone", "paste", "-", "", ""},
        };
        for (const FieldInfo &info : Fields) {
            for (const Case &c : cases) {
                QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(info.name, c.label)))
                    << info.name << c.how << c.input << (info.count ? c.count : c.money);
            }
        }
    }
    void badInput()
    {
        QFETCH(QString, field);
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(QString, expected);

        QLineEdit *target = open(field);
        target->clear();
        if (how == QLatin1String("type")) {
            typeInto(target, QStringLiteral("12") + inLocale(input));
        } else {
            enter(target);
            putText(target, inLocale(input), true);
        }
        QCOMPARE(target->text(), inLocale(expected));

        // Leaving and recalculating with whatever is left keeps the window alive and every
        // amount it shows non-negative.
        fixture->leave();
        QVERIFY(fixture->window->isVisible());
        QVERIFY2(!target->text().contains(QLatin1Char('-')), qPrintable(target->text()));
    }

    // Amounts of many digits stop below a hundred million: typed, the digits after the eighth are
    // refused; pasted, the field is emptied. The recalculation then shows no negative fee and no
    // amount beyond what the arithmetic holds.
    void hugeAmounts_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const QString fortyDigits = QString(40, QLatin1Char('9'));
        for (const FieldInfo &info : Fields) {
            if (info.count)
                continue;
            QTest::newRow(qPrintable(QStringLiteral("%1 twenty digits").arg(info.name)))
                << info.name << false << QStringLiteral("99999999999999999999") << QStringLiteral("99999999");
            QTest::newRow(qPrintable(QStringLiteral("%1 fifteen digits").arg(info.name)))
                << info.name << false << QStringLiteral("999999999999999") << QStringLiteral("99999999");
            QTest::newRow(qPrintable(QStringLiteral("%1 forty digits").arg(info.name)))
                << info.name << false << fortyDigits << QStringLiteral("99999999");
            QTest::newRow(qPrintable(QStringLiteral("%1 forty digits pasted").arg(info.name)))
                << info.name << true << fortyDigits << QString();
        }
    }
    void hugeAmounts()
    {
        QFETCH(QString, field);
        QFETCH(bool, paste);
        QFETCH(QString, input);
        QFETCH(QString, expected);
        QLineEdit *target = open(field);
        // Complete multiple-item entries, so that the fee steps run with the huge amount.
        fixture->field("txtDutchItemsOffered")->setText(QStringLiteral("2"));
        fixture->field("txtDutchItemsSold")->setText(QStringLiteral("2"));
        if (target != fixture->field("txtDutchOpeningPrice"))
            fixture->field("txtDutchOpeningPrice")->setText(QStringLiteral("1"));
        if (target != fixture->field("txtDutchFinalPrice"))
            fixture->field("txtDutchFinalPrice")->setText(QStringLiteral("1"));
        target->clear();
        if (paste) {
            enter(target);
            QApplication::clipboard()->setText(input);
            QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        } else {
            typeInto(target, input);
        }
        QCOMPARE(target->text(), expected);
        fixture->leave();
        QVERIFY(fixture->window->isVisible());
        for (const char *result : {"txtInsertionFee", "txtExtras", "txtFVF", "txtFees", "txtDutchFees",
                                   "txtExtraFeaturesDutch", "txtTotalDutchAuctionSales", "txtDutchCostPerItem",
                                   "txtPayPalFee", "txtPrice", "txtStartingPrice", "txtDutchFinalPrice"})
            QVERIFY2(!fixture->text(result).startsWith(QLatin1Char('-')),
                     qPrintable(QStringLiteral("%1 shows %2").arg(result, fixture->text(result))));
        // The amounts shown keep at most eight digits before the decimal point.
        for (const char *amount : {"txtPrice", "txtStartingPrice", "txtDutchFinalPrice", "txtPaymentAmount"}) {
            const QString text = fixture->text(amount);
            QVERIFY2(text.section(QLocale().decimalPoint(), 0, 0).size() <= 8,
                     qPrintable(QStringLiteral("%1 shows %2").arg(amount, text)));
        }
    }

    // ---- Tab change: focus and Enter ----

    void tabChange_data()
    {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("firstField");
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("results"); // result fields after Enter ("" where no calculation ran)

        // Entries prepared on every tab: opening bid 150 (listing 2.40); ten offered at 2.00,
        // four sold at 5.00 (fees 1.02); a payment of 100 (fee 3.20).
        const QStringList single{"txtInsertionFee=2.40", "txtDutchFees=", "txtPayPalFee="};
        const QStringList multiple{"txtInsertionFee=", "txtDutchFees=1.02", "txtPayPalFee="};
        const QStringList payment{"txtInsertionFee=", "txtDutchFees=", "txtPayPalFee=3.20"};
        QTest::newRow("single item Return") << 0 << "txtStartingPrice" << int(Qt::Key_Return) << single;
        QTest::newRow("single item Enter") << 0 << "txtStartingPrice" << int(Qt::Key_Enter) << single;
        QTest::newRow("multiple items Return") << 1 << "txtDutchItemsOffered" << int(Qt::Key_Return) << multiple;
        QTest::newRow("multiple items Enter") << 1 << "txtDutchItemsOffered" << int(Qt::Key_Enter) << multiple;
        QTest::newRow("payment Return") << 2 << "txtPaymentAmount" << int(Qt::Key_Return) << payment;
        QTest::newRow("payment Enter") << 2 << "txtPaymentAmount" << int(Qt::Key_Enter) << payment;
    }
    void tabChange()
    {
        QFETCH(int, tab);
        QFETCH(QString, firstField);
        QFETCH(int, key);
        QFETCH(QStringList, results);

        auto *tabs = fixture->find<QTabWidget>("SSTab1");
        chooseTab(3);
        QCOMPARE(tabs->currentIndex(), 3);
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        const QStringList entries{"txtStartingPrice=150", "txtDutchItemsOffered=10", "txtDutchOpeningPrice=2",
                                  "txtDutchItemsSold=4", "txtDutchFinalPrice=5", "txtPaymentAmount=100"};
        for (const auto &[name, text] : pairs(entries))
            fixture->field(qPrintable(name))->setText(inLocale(text));
        for (const auto &[name, text] : pairs(results))
            fixture->field(qPrintable(name))->setText(QString());

        chooseTab(tab);
        QCOMPARE(tabs->currentIndex(), tab);
        QLineEdit *first = fixture->field(qPrintable(firstField));
        QCOMPARE(QApplication::focusWidget(), first);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        for (const auto &[name, text] : pairs(results))
            QCOMPARE(fixture->text(qPrintable(name)) + QStringLiteral(" in ") + name,
                     inLocale(text) + QStringLiteral(" in ") + name);
        // Enter does not leave the field.
        QCOMPARE(QApplication::focusWidget(), first);
    }

    // Enter in any field of a tab runs that tab's calculation, also after moving between tabs.
    void enterInEveryField_data() { addFieldColumn(); }
    void enterInEveryField()
    {
        QFETCH(QString, field);
        const int tab = infoOf(field).tab;
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        chooseTab(tab == 0 ? 1 : 0);
        const QStringList entries{"txtStartingPrice=150", "txtDutchItemsOffered=10", "txtDutchOpeningPrice=2",
                                  "txtDutchItemsSold=4", "txtDutchFinalPrice=5", "txtPaymentAmount=100"};
        for (const auto &[name, text] : pairs(entries))
            fixture->field(qPrintable(name))->setText(inLocale(text));
        chooseTab(tab);
        QLineEdit *target = fixture->field(qPrintable(field));
        target->setFocus(Qt::MouseFocusReason);
        QVERIFY(target->hasFocus());

        // Moving between fields may have recalculated already: empty the result only now.
        const char *result = tab == 0 ? "txtInsertionFee" : tab == 1 ? "txtDutchFees" : "txtPayPalFee";
        const char *expected = tab == 0 ? "2.40" : tab == 1 ? "1.02" : "3.20";
        fixture->field(result)->setText(QString());
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(fixture->text(result), inLocale(expected));
    }

private:
    void addFieldColumn()
    {
        QTest::addColumn<QString>("field");
        for (const FieldInfo &info : Fields)
            QTest::newRow(info.name) << QString::fromLatin1(info.name);
    }

    // Chooses a tab as the user does, with a click on its tab.
    void chooseTab(int tab)
    {
        QTabBar *bar = fixture->find<QTabWidget>("SSTab1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }

    // The field, on its tab shown, with the focus outside every entry field.
    QLineEdit *open(const QString &name)
    {
        auto *tabs = fixture->find<QTabWidget>("SSTab1");
        const int tab = infoOf(name).tab;
        if (tabs->currentIndex() != tab)
            chooseTab(tab);
        fixture->leave();
        return fixture->field(qPrintable(name));
    }

    // Moves into the field as Tab does, from outside it.
    void enter(QLineEdit *field)
    {
        if (field->hasFocus())
            fixture->leave();
        field->setFocus(Qt::TabFocusReason);
    }

    void typeInto(QLineEdit *field, const QString &keys)
    {
        enter(field);
        QTest::keyClicks(field, keys);
    }

    // Keys typed one at a time; "\b" is Backspace. The keypad adds its modifier to every key.
    static void typeKeys(QLineEdit *field, const QString &keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (const QChar c : keys) {
            if (c == QLatin1Char('\b'))
                QTest::keyClick(field, Qt::Key_Backspace);
            else
                QTest::keyClick(field, c.toLatin1(), modifiers);
        }
    }

    // From the end of the text, `left` presses of Left, then `selected` presses of Shift+Left.
    static void moveCaret(QLineEdit *field, int left, int selected)
    {
        QTest::keyClick(field, Qt::Key_End);
        for (int i = 0; i < left; ++i)
            QTest::keyClick(field, Qt::Key_Left);
        for (int i = 0; i < selected; ++i)
            QTest::keyClick(field, Qt::Key_Left, Qt::ShiftModifier);
    }

    // Where a pointer lands to put the caret before the character at `position`. Measuring moves
    // the caret, so it happens before the pointer acts.
    static QPoint textPoint(QLineEdit *field, int position)
    {
        const int saved = field->cursorPosition();
        field->setCursorPosition(position);
        const QPoint point = field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        field->setCursorPosition(saved);
        return point;
    }

    // A text each kind of field keeps: "10.00" or "10".
    static QString sampleText(const QString &field)
    {
        return infoOf(field).count ? QStringLiteral("10") : inLocale(QStringLiteral("10.00"));
    }

    // Payments by credit card at the standard rate, received at home: 2.9 % and 0.30.
    void usePlainCardPayments()
    {
        fixture->find<QRadioButton>("optPayPalStandard")->click();
        fixture->find<QRadioButton>("optPayPalCreditCard")->click();
        fixture->find<QCheckBox>("chkInternationalPayPal")->setChecked(false);
    }

    // Opens the field's context menu with a right click on the window and chooses Paste, with
    // the mouse or its key, then closes the menu if it is still open.
    static void pasteFromContextMenu(QLineEdit *field, bool byKey, bool pasteEnabled)
    {
        QWidget *window = field->window();
        QTest::mouseClick(window->windowHandle(), Qt::RightButton, {}, field->mapTo(window, field->rect().center()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(menu);
        QAction *paste = nullptr;
        for (QAction *action : menu->actions()) {
            if (action->text().section(QLatin1Char('\t'), 0, 0) == QLineEdit::tr("&Paste"))
                paste = action;
        }
        QVERIFY(paste);
        QCOMPARE(paste->isEnabled(), pasteEnabled);
        if (byKey)
            QTest::keyClick(menu, Qt::Key_P);
        else
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
        if (QApplication::activePopupWidget() == menu)
            QTest::keyClick(menu, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activePopupWidget());
    }

    // Text arriving without keys: set by the program, or pasted from the clipboard over the
    // field's selection.
    static void putText(QLineEdit *field, const QString &text, bool paste)
    {
        if (paste) {
            QApplication::clipboard()->setText(text);
            field->paste();
        } else {
            field->setText(text);
        }
    }

    // The control Tab (or Shift+Tab) moves from to reach the field.
    QWidget *neighbourInTabOrder(QWidget *field, bool after) const
    {
        auto takesTab = [](QWidget *w) {
            return (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled() && !w->focusProxy();
        };
        QWidget *w = after ? field->nextInFocusChain() : field->previousInFocusChain();
        while (w != field && !takesTab(w))
            w = after ? w->nextInFocusChain() : w->previousInFocusChain();
        return w == field ? nullptr : w;
    }

    std::unique_ptr<WindowFixture> fixture;
};

QTEST_MAIN(TestEntryFields)
#include "tst_entryfields.moc"
