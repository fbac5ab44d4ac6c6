#pragma once

#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>

// What the program asked the desktop to open, caught for the given schemes (web pages by
// default) so that no browser, mail program or file opener starts during a test.
class OpenedLinks : public QObject
{
    Q_OBJECT

public:
    explicit OpenedLinks(QStringList schemes = {QStringLiteral("http"), QStringLiteral("https")})
        : m_schemes(std::move(schemes))
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedLinks() override
    {
        for (const QString &scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl &url) { urls.append(url); }

private:
    QStringList m_schemes;
};
