#include "PublicVars.h"

#include <QLocale>

qint16 &NumberFormat()
{
    static qint16 format = 0;
    return format;
}

qint16 DetectNumberFormat()
{
    const QLocale locale;
    const QString currency = locale.toCurrencyString(9999);
    if (currency.contains(QLatin1Char('\'')) || currency.contains(QChar(0x2019)))
        return 2;
    bool ok = false;
    const float nineNine = locale.toFloat(QStringLiteral("9,9"), &ok);
    return ok && nineNine == 9.9f ? 1 : 0;
}

QString LocalizeNumberText(const QString &text)
{
    QString result = text;
    if (NumberFormat() == 1 && result.contains(QLatin1Char('.')))
        result.replace(QLatin1Char('.'), QLatin1Char(','));
    if (NumberFormat() == 2 && result.contains(QLatin1Char(',')))
        result.replace(QLatin1Char(','), QLatin1Char('\''));
    return result;
}
