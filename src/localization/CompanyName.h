#pragma once

#include <QString>

// The company named in texts and captions: the maker, "Brontolux", unless the installation is
// branded for another company.
QString &CompanyName();

// A text with every "Brontolux" (exact case) replaced by the company name.
QString WithCompanyName(QString text);
