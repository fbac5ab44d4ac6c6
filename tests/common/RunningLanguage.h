#pragma once

#include "LanguageState.h"
#include "Languages.h"
#include "LocaleCodes.h"
#include "Localization.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// Starts the program's language as a user of that locale gets it at start-up: English with no
// library, or German served by the real language library placed in the program's folder.
// GERMAN_LIBRARY names the built library file.
class RunningLanguage
{
public:
    enum Language { English, German };

    RunningLanguage()
    {
        m_ready = QFile::copy(QStringLiteral(GERMAN_LIBRARY), m_folder.filePath(QStringLiteral("CalvextraLang407.dll")));
    }
    ~RunningLanguage() { reset(); }

    // True once the language runs with the library it needs (none for English).
    bool start(Language language)
    {
        if (!m_ready)
            return false;
        reset();
        setLanguageLibraryFolder(m_folder.path());
        setUserLocaleOverride(language == German ? &m_german : &m_english);
        if (!InitLanguage())
            return false;
        const bool german = language == German;
        return CurrentLanguage().Code == (german ? QLatin1String("407") : QLatin1String("409"))
            && (LanguageResources() != nullptr) == german;
    }

    // A fresh window with fresh settings in that language, shown on the screen.
    template <typename Fixture>
    bool openWindow(Language language, std::unique_ptr<Fixture> &fixture)
    {
        Fixture::useFreshSettings();
        if (!start(language))
            return false;
        fixture = std::make_unique<Fixture>();
        return QTest::qWaitForWindowExposed(fixture->window.get());
    }

    static void reset()
    {
        setLanguageResources(nullptr);
        CurrentLanguage() = LanguageInfo::EnglishUnitedStates();
        LanguageSetting().clear();
        LanguageLibraries().clear();
        setLanguageLibraryFolder(QString());
        setUserLocaleOverride(nullptr);
    }

private:
    QTemporaryDir m_folder;
    bool m_ready = false;
    const QLocale m_german{QLocale::German, QLocale::Germany};
    const QLocale m_english{QLocale::English, QLocale::UnitedStates};
};
