#include "CStartStatus.h"
#include "LanguageState.h"
#include "Languages.h"
#include "Localization.h"
#include "Settings.h"
#include "Start.h"
#include "frmeBayFees.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

// The start-up as a user meets it: the first start of an installation asks about the update
// check before the calculator window appears, later starts go straight to the window.
class TestStartUp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brontolux"), QStringLiteral("Calvextra"))
            .clear();
        dialogs.clear();
        // No language library lies beside the tests: English runs.
        setLanguageLibraryFolder(QDir::tempPath());
        watcher.setInterval(20);
        QObject::connect(&watcher, &QTimer::timeout, this, [this] { answerDialog(); });
        watcher.start();
    }
    void cleanup()
    {
        watcher.stop();
        watcher.disconnect();
        setLanguageLibraryFolder(QString());
        CurrentLanguage() = LanguageInfo::EnglishUnitedStates();
    }

    void firstStartAsksBeforeTheWindow()
    {
        const std::unique_ptr<RunningProgram> program = StartUp();
        QVERIFY(program);
        QCOMPARE(dialogs, QStringList{QStringLiteral("FCheckVersion with no window shown")});
        QVERIFY(program->window->isVisible());
        QVERIFY(program->startStatus->IsNewInstall());
        QVERIFY(program->startStatus->IsFirstTime());
        QCOMPARE(program->startStatus->ApplicationClass(), 250000);
        // The first run stored the defaults before loading them.
        QCOMPARE(ReadSetting(QStringLiteral("PayPalCreditCard")), QStringLiteral("1"));
        QVERIFY(program->window->findChild<QRadioButton *>(QStringLiteral("optPayPalCreditCard"))->isChecked());
        QCOMPARE(ApplicationTitle(), QStringLiteral("Calvextra"));
        QCOMPARE(program->window->windowTitle(), QStringLiteral("Calvextra for eBay.com"));
    }

    void laterStartsGoStraightToTheWindow()
    {
        {
            const std::unique_ptr<RunningProgram> first = StartUp();
            QVERIFY(first);
            first->window->findChild<QAction *>(QStringLiteral("mnuOptionsSiteCanada"))->trigger();
            first->window->close();
        }
        dialogs.clear();
        const std::unique_ptr<RunningProgram> second = StartUp();
        QVERIFY(second);
        QVERIFY(dialogs.isEmpty());
        QVERIFY(!second->startStatus->IsNewInstall());
        QVERIFY(!second->startStatus->IsFirstTime());
        // The site kept at closing comes back; nothing was reset to the defaults.
        QCOMPARE(second->window->Site().Site(), 3);
    }

    void helpMenuShowsTheUpdatePromptAndTheAboutBox()
    {
        const std::unique_ptr<RunningProgram> program = StartUp();
        QVERIFY(program);
        dialogs.clear();
        program->window->findChild<QAction *>(QStringLiteral("mnuHelpUpdate"))->trigger();
        program->window->findChild<QAction *>(QStringLiteral("mnuHelpAbout"))->trigger();
        QCOMPARE(dialogs, (QStringList{QStringLiteral("FCheckVersion with the window shown"),
                                       QStringLiteral("frmAbout with the window shown")}));
    }

private:
    // Notes which dialog came up and whether the calculator window was already showing, then
    // leaves it the way a user would.
    void answerDialog()
    {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog->property("answered").toBool())
            return;
        dialog->setProperty("answered", true);
        bool windowShown = false;
        for (QWidget *top : QApplication::topLevelWidgets())
            windowShown = windowShown || (qobject_cast<frmeBayFees *>(top) && top->isVisible());
        dialogs.append(dialog->objectName()
                       + (windowShown ? QStringLiteral(" with the window shown") : QStringLiteral(" with no window shown")));
        const char *leave = dialog->objectName() == QLatin1String("FCheckVersion") ? "cmdDoNotCheck" : "cmdOK";
        if (auto *button = dialog->findChild<QPushButton *>(QString::fromLatin1(leave)))
            button->click();
        else
            dialog->close();
    }

    QTimer watcher;
    QStringList dialogs;
};

QTEST_MAIN(TestStartUp)
#include "tst_startup.moc"
