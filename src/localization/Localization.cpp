#include "Localization.h"

#include "EnglishStringTable.h"
#include "LanguageResources.h"

#include <QApplication>
#include <QHash>
#include <QMessageBox>

#include <exception>
#include <string_view>

Q_LOGGING_CATEGORY(lcLocalization, "calvextra.localization", QtWarningMsg)

namespace {

clsResources *loadedResources = nullptr;
quint64 languageGeneration = 0;  // counts the changes of the loaded library

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

char16_t codeUnit(QChar c)
{
    return c.unicode();
}

char16_t codeUnit(char c)
{
    return uchar(c);
}

// The id of a tagged text: the four digits in front of its last character ("<dddd>"); -1 where
// they are no four digits.
template <typename Text>
qint32 tagId(const Text &text)
{
    const qsizetype size = qsizetype(text.size());
    if (size < 5)
        return -1;
    qint32 id = 0;
    for (qsizetype i = size - 5; i < size - 1; ++i) {
        const unsigned digit = unsigned(codeUnit(text[i])) - u'0';
        if (digit > 9)
            return -1;
        id = id * 10 + qint32(digit);
    }
    return id;
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
    qint32 id = tagId(QStringView(TaggedText));  // handed on by reference
    if (id < 0) {
        LogLocalization(QStringLiteral("Missing tag for ") + TaggedText);
        return TaggedText;
    }

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

QString LocalizedText(const char *TaggedText)
{
    // Kept by id for the library they were looked up in. A failed lookup is not kept: the next
    // one reports it again.
    static QHash<qint32, QString> texts;
    static quint64 textsGeneration = 0;
    if (textsGeneration != languageGeneration) {
        texts.clear();
        textsGeneration = languageGeneration;
    }
    const qint32 id = tagId(std::string_view(TaggedText));
    if (id >= 0) {
        if (const auto found = texts.constFind(id); found != texts.cend())
            return *found;
    }
    const QString text = GetLocalizedString(QString::fromUtf8(TaggedText));
    if (id >= 0 && !text.isEmpty())
        texts.insert(id, text);
    return text;
}
