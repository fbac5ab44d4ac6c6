#pragma once

#include <QString>

// The brand of this installation: the company named in texts and captions and the addresses the
// program shows and opens. The maker's own unless a brand file in the program's folder names
// another company.
struct BrandValues
{
    QString CompanyName;
    QString CompanyURL;
    QString SupportEmail;
    QString SupportURL;
    QString SubscribeEmail;
    QString ErrorReportEmail;

    // The maker's values: "Brontolux" and its endpoints.
    static BrandValues Defaults();
};

// The values the program runs with; set once at start-up.
BrandValues &Brand();

// Shorthand for Brand().CompanyName.
QString &CompanyName();

// A text with every "Brontolux" (exact case) replaced by the company name.
QString WithCompanyName(QString text);
