#include "Brand.h"

#include "MakerEndpoints.h"

BrandValues BrandValues::Defaults()
{
    return {QStringLiteral("Brontolux"),          MakerEndpoints::HomePage,
            MakerEndpoints::SupportMailbox,       MakerEndpoints::ContactPage,
            MakerEndpoints::MailingListMailbox,   MakerEndpoints::ErrorReportMailbox};
}

BrandValues &Brand()
{
    static BrandValues values = BrandValues::Defaults();
    return values;
}

QString &CompanyName()
{
    return Brand().CompanyName;
}

QString WithCompanyName(QString text)
{
    return text.replace(QStringLiteral("Brontolux"), CompanyName(), Qt::CaseSensitive);
}
