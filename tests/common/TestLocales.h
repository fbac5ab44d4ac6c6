#pragma once

#include "NumberText.h"

#include <QLocale>
#include <QString>
#include <QTest>

// Every number test runs once in a point locale and once in a comma locale. A test class calls
// addLocaleRows() from initTestCase_data() and applyLocaleRow() from init(); expected texts are
// written with "." and passed through inLocale().

inline void addLocaleRows()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("en_US") << QStringLiteral("en_US");
    QTest::newRow("de_DE") << QStringLiteral("de_DE");
}

inline void applyLocaleRow()
{
    QFETCH_GLOBAL(QString, locale);
    UseNumberLocale(QLocale(locale));
}

// "1.31" in the current locale: "1.31" or "1,31".
inline QString inLocale(QString pointText)
{
    return pointText.replace(QLatin1Char('.'), QLocale().decimalPoint());
}
