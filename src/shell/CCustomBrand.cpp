#include "CCustomBrand.h"

#include "Brand.h"
#include "Localization.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QStringDecoder>

#include <utility>

namespace {

void showMessageBox(const QString &text)
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        QMessageBox box(QMessageBox::NoIcon, ApplicationTitle(), text, QMessageBox::Ok);
        box.exec();
    } else {
        qWarning().noquote() << text;
    }
}

CCustomBrand::MessageHandler &messageHandler()
{
    static CCustomBrand::MessageHandler handler = showMessageBox;
    return handler;
}

// The file was placed by the setup, so a broken one asks for a new installation.
void reportBrokenFile(const QString &description)
{
    messageHandler()(QStringLiteral("There appears to be a problem with a file \r\n"
                                    "file included in the setup of this \r\n"
                                    "application.  Please try re-installing \r\n"
                                    "the software.  \r\n"
                                    "\r\n")
                     + description);
}

} // namespace

CCustomBrand::CCustomBrand(QString programFolder)
    : m_programFolder(std::move(programFolder))
{
}

void CCustomBrand::setMessageHandler(MessageHandler handler)
{
    messageHandler() = handler ? std::move(handler) : MessageHandler(showMessageBox);
}

QString CCustomBrand::brandFilePath() const
{
    const QString folder = m_programFolder.isEmpty() && QCoreApplication::instance()
                               ? QCoreApplication::applicationDirPath()
                               : m_programFolder;
    if (folder.isEmpty())
        return QString();
    return QDir(folder).filePath(QStringLiteral("AppData"));
}

QString CCustomBrand::JoinBrandLines(const QByteArray &bytes)
{
    const auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8));
    QString text = decoder.decode(bytes);
    // Every kind of line end (CR LF, LF, CR) is a break between lines, and lines join with
    // nothing between them: removing the line-end characters does exactly that.
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

QString CCustomBrand::ReadBrandFile()
{
    m_isCustomBrand = false;
    const QString path = brandFilePath();
    if (path.isEmpty())
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Read whole: the positions below are 64-bit, so a file of any length reads correctly.
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return QString();
    m_isCustomBrand = true;
    return JoinBrandLines(bytes);
}

QString CCustomBrand::GetBrandValue(const QString &text, const QString &key)
{
    // 1-based positions as the format describes them: the value starts after the ">" that
    // follows the first occurrence of the key and ends before the "</" in front of the next.
    const qsizetype keyPosition = key.isEmpty() ? 0 : text.indexOf(key, 0, Qt::CaseSensitive) + 1;
    if (keyPosition == 0) {
        reportBrokenFile(QStringLiteral("Key not found: ") + key);
        return QString();
    }
    const qsizetype start = keyPosition + key.size() + 1;
    const qsizetype closingPosition = text.indexOf(key, start - 1, Qt::CaseSensitive) + 1;
    const qsizetype length = closingPosition - 2 - start;
    if (closingPosition == 0 || length < 0) {
        reportBrokenFile(QStringLiteral("Key not closed: ") + key);
        return QString();
    }
    return text.mid(start - 1, length);
}

void CCustomBrand::LoadBrand()
{
    m_brandText = ReadBrandFile();
    BrandValues &brand = Brand();
    if (!m_isCustomBrand) {
        brand = BrandValues::Defaults();
        return;
    }
    // In this order, each key on its own: a missing one leaves its value empty and the others
    // are still read.
    brand.CompanyName = GetBrandValue(m_brandText, QStringLiteral("CompanyName"));
    brand.CompanyURL = GetBrandValue(m_brandText, QStringLiteral("CompanyURL"));
    brand.SupportEmail = GetBrandValue(m_brandText, QStringLiteral("SupportEmail"));
    brand.SupportURL = GetBrandValue(m_brandText, QStringLiteral("SupportURL"));
    brand.SubscribeEmail = GetBrandValue(m_brandText, QStringLiteral("SubscribeEmail"));
    brand.ErrorReportEmail = GetBrandValue(m_brandText, QStringLiteral("ErrorReportEmail"));
}
