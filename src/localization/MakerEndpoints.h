#pragma once

#include <QString>

// The maker's own addresses: the defaults of a program that no brand file re-brands, and the
// update server. The hosts lie in a reserved domain.
namespace MakerEndpoints {

inline const QString HomePage = QStringLiteral("https://www.brontolux.example/");
inline const QString ContactPage = QStringLiteral("https://www.brontolux.example/Contact.html");
inline const QString SupportMailbox = QStringLiteral("support@brontolux.example");
inline const QString MailingListMailbox = QStringLiteral("subscribe@brontolux.example");
inline const QString ErrorReportMailbox = QStringLiteral("errors@brontolux.example");
inline const QString UpdateServer = QStringLiteral("https://update.brontolux.example");

} // namespace MakerEndpoints
