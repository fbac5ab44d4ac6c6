#include "CompanyName.h"

QString &CompanyName()
{
    static QString name = QStringLiteral("Brontolux");
    return name;
}

QString WithCompanyName(QString text)
{
    return text.replace(QStringLiteral("Brontolux"), CompanyName(), Qt::CaseSensitive);
}
