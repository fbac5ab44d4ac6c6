#include "Localization.h"

#include "EnglishStringTable.h"
#include "LanguageResources.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <exception>

Q_LOGGING_CATEGORY(lcLocalization, "calvextra.localization", QtWarningMsg)

namespace {

clsResources *loadedResources = nullptr;
quint64 languageGeneration = 0;

void showErrorMessage(const QString &description)
{
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QMessageBox::critical(nullptr, ApplicationTitle(), description, QMessageBox::Ok);
    else
        qWarning().noquote() << description;
}

LocalizationErrorHandler &errorHandler()
{
    static LocalizationErrorHandler handler = showErrorMessage;
    return handler;
}

// The English entry of an id; an id that the table lacks shows the text in front of its tag.
QString ownEntry(qint32 id, const QString &taggedText)
{
    const QString english = EnglishString(id);
    return english.isNull() ? taggedText.left(taggedText.size() - 6) : english;
}

} // namespace

void DebugLog(const QString &Text)
{
    qCDebug(lcLocalization).noquote() << Text;
}

void LogLocalization(const QString &Text)
{
    DebugLog(QStringLiteral("Localization:  ") + Text);
}

namespace {

QString &applicationTitle()
{
    static QString title;
    return title;
}

} // namespace

QString ApplicationTitle()
{
    return applicationTitle().isEmpty() ? QCoreApplication::applicationName() : applicationTitle();
}

void setApplicationTitle(const QString &title)
{
    applicationTitle() = title;
}

clsResources *LanguageResources()
{
    return loadedResources;
}

void setLanguageResources(clsResources *resources)
{
    loadedResources = resources;
    ++languageGeneration;
}

quint64 LanguageGeneration()
{
    return languageGeneration;
}

void setLocalizationErrorHandler(LocalizationErrorHandler handler)
{
    errorHandler() = handler ? std::move(handler) : LocalizationErrorHandler(showErrorMessage);
}

QString GetLocalizedString(const QString &TaggedText)
{
    if (TaggedText.size() < 5) {
        DebugLog(QStringLiteral("Send an empty string...by mistake"));
        return QString();
    }
    // The four characters in front of the last one: the digits of "<dddd>".
    const QStringView tag = QStringView(TaggedText).mid(TaggedText.size() - 5, 4);
    const bool fourDigits = std::all_of(tag.begin(), tag.end(),
                                        [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
    if (!fourDigits) {
        LogLocalization(QStringLiteral("Missing tag for ") + TaggedText);
        return TaggedText;
    }
    qint32 id = tag.toInt();

    if (clsResources *resources = LanguageResources()) {
        try {
            const QString text = resources->GetResourceString(id);
            if (!text.isEmpty())
                return text;
        } catch (const ResourceError &error) {
            if (error.Number != ResourceError::ResourceNotFound) {
                errorHandler()(error.Description);
                return QString();
            }
        } catch (const std::exception &error) {
            errorHandler()(QString::fromLocal8Bit(error.what()));
            return QString();
        } catch (...) {
            errorHandler()(QStringLiteral("The language library failed to answer."));
            return QString();
        }
    }
    return ownEntry(id, TaggedText);
}
