#include "../window/SettingsObstacle.h"
#include "ApplicationStyle.h"
#include "CStartStatus.h"
#include "CalvextraVersion.h"
#include "LanguageState.h"
#include "Languages.h"
#include "Localization.h"
#include "Settings.h"
#include "Start.h"
#include "frmeBayFees.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
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
        DiscardUnsavedSettings();
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

    // A settings file that lost its version record (the line removed, the file cut short before
    // it, the record emptied) still holds the user's values: no update prompt, nothing reset to
    // the defaults, and the record is written anew.
    void lostRecordKeepsTheValues_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::newRow("record line removed") << "remove";
        QTest::newRow("file cut before the record") << "cut";
        QTest::newRow("record emptied") << "empty";
    }

    void lostRecordKeepsTheValues()
    {
        QFETCH(QString, edit);
        {
            const std::unique_ptr<RunningProgram> first = StartUp();
            QVERIFY(first);
            first->window->close();
        }
        // What the user saved; the entries sort before the record in the file, the rate and the
        // site after it.
        QVERIFY(WriteSettings({{QStringLiteral("Site"), QStringLiteral("2")},
                               {QStringLiteral("PayPalUKRate"), QStringLiteral("0.6123")},
                               {QStringLiteral("RegularNumeric"), QStringLiteral("12.50")},
                               {QStringLiteral("DutchItemsOffered"), QStringLiteral("10")}})
                    .Ok());
        QFile file(SettingsStorePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QList<QByteArray> lines = file.readAll().split('\n');
        file.close();
        const auto record = std::find_if(lines.begin(), lines.end(), [](const QByteArray &line) { return line.startsWith("MRV="); });
        QVERIFY(record != lines.end());
        if (edit == QLatin1String("remove"))
            lines.erase(record);
        else if (edit == QLatin1String("cut"))
            lines.erase(record, lines.end());
        else
            *record = "MRV=";
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(lines.join('\n'));
        file.close();

        // The values left in the file, read as another copy of the program would.
        QMap<QString, QString> kept;
        {
            QSettings left(SettingsStorePath(), QSettings::IniFormat);
            for (const QString &key : left.allKeys())
                kept.insert(key, left.value(key).toString());
        }
        QCOMPARE(kept.value(QStringLiteral("DutchItemsOffered")), QStringLiteral("10"));
        kept.remove(QStringLiteral("MRV"));

        dialogs.clear();
        const std::unique_ptr<RunningProgram> second = StartUp();
        QVERIFY(second);
        QCOMPARE(dialogs, QStringList());
        QVERIFY(!second->startStatus->IsNewInstall());
        QVERIFY(!second->startStatus->IsFirstTime());
        for (auto it = kept.cbegin(); it != kept.cend(); ++it)
            QVERIFY2(ReadSetting(it.key()) == it.value(), qPrintable(it.key() + QStringLiteral("=") + ReadSetting(it.key())));
        QCOMPARE(CStartStatus::DecodeVersionRecord(ReadSetting(QStringLiteral("MRV"))).value_or(QString()),
                 QStringLiteral(CALVEXTRA_VERSION_TEXT));
        frmeBayFees &window = *second->window;
        QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("txtDutchItemsOffered"))->text(), QStringLiteral("10"));
        if (edit != QLatin1String("cut")) {
            QCOMPARE(window.Site().Site(), 2);
            QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("txtConversion"))->text(), QStringLiteral("0.6123"));
            QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("txtStartingPrice"))->text(), QStringLiteral("12.50"));
        }
    }

    // A folder or a FIFO where the settings file belongs: the program starts (a FIFO once made it
    // hang before any window) with the defaults in memory and no update prompt; saving from the
    // menu and closing each say once that the file cannot be written, and why. Run as a child
    // process, so that a hang fails the test.
    void settingsFileThatCannotBeUsed_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << int(SettingsObstacle::Fifo) << "It is not a regular file.";
        QTest::newRow("folder") << int(SettingsObstacle::Folder) << "There is a folder in place of the file.";
    }

    void settingsFileThatCannotBeUsed()
    {
        QFETCH(int, kind);
        QFETCH(QString, reason);
        QTemporaryDir home;
        const QString path = home.filePath(QStringLiteral("Brontolux/Calvextra.conf"));
        SettingsObstacle obstacle;
        const QString notPlaced = obstacle.place(SettingsObstacle::Kind(kind), path);
        if (!notPlaced.isEmpty())
            QSKIP(qPrintable(notPlaced));

        const QStringList lines = runProbe(home.path());
        QVERIFY(!QTest::currentTestFailed());

        const QString message = QStringLiteral("dialog msgSettingsNotSaved: The settings could not be saved in the file ")
                                + QDir::toNativeSeparators(path) + QStringLiteral(".|") + reason
                                + QStringLiteral("||Your choices stay in effect until the program is closed.");
        // eBay.com, the credit-card option and the UK rate are the defaults, held in memory.
        QCOMPARE(lines, (QStringList{QStringLiteral("painted imagePlugins=0"),
                                     QStringLiteral("shown site=1 creditCard=1 ukRate=0.5305"), message, message,
                                     QStringLiteral("done")}));
        QVERIFY2(obstacle.changed().isEmpty(), qPrintable(obstacle.changed()));
    }

    // A later start paints its window without loading any image-format plugin: the pictures it
    // draws first are read as the PNGs they are, and the menu bar's overflow arrow, which it
    // seldom shows, only when it is drawn.
    void laterStartLoadsNoImagePlugin()
    {
        QTemporaryDir home;
        const QStringList first = runProbe(home.path());
        QVERIFY(first.contains(QStringLiteral("dialog FCheckVersion: ")));
        QCOMPARE(runProbe(home.path()).value(0), QStringLiteral("painted imagePlugins=0"));
    }

    // The program's style draws the window and every kind of group box as the style beneath it.
    void styleDrawsAsItsBase_data()
    {
        QTest::addColumn<int>("tab");  // a tab of the window, or -1: a group box of its own
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("checkable");
        for (int tab = 0; tab < 4; ++tab)
            QTest::newRow(qPrintable(QStringLiteral("window, tab %1").arg(tab))) << tab << QString() << false;
        QTest::newRow("titled box") << -1 << "Extras" << false;
        QTest::newRow("untitled box") << -1 << "" << false;
        QTest::newRow("checkable box") << -1 << "Extras" << true;
        QTest::newRow("checkable untitled box") << -1 << "" << true;
    }

    void styleDrawsAsItsBase()
    {
        QFETCH(int, tab);
        QFETCH(QString, title);
        QFETCH(bool, checkable);
        auto drawn = [&](QStyle *style) {
            QApplication::setStyle(style);
            if (tab < 0) {
                QGroupBox box(title);
                box.setCheckable(checkable);
                box.resize(160, 90);
                return box.grab().toImage();
            }
            frmeBayFees window(false);
            window.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->setCurrentIndex(tab);
            return window.grab().toImage();
        };
        const QImage asBase = drawn(QStyleFactory::create(baseStyleName()));
        const QImage asProgram = drawn(new ApplicationStyle);
        QVERIFY(!asBase.isNull());
        QCOMPARE(asProgram, asBase);
    }

    // The overflow arrow the style gives a menu bar is its base's arrow, read when first drawn in
    // the direction of the moment it was asked for.
    void overflowArrowIsTheBaseStyles_data()
    {
        QTest::addColumn<int>("asked");
        QTest::addColumn<int>("drawn");
        QTest::newRow("left to right") << int(Qt::LeftToRight) << int(Qt::LeftToRight);
        QTest::newRow("right to left") << int(Qt::RightToLeft) << int(Qt::RightToLeft);
        QTest::newRow("asked right to left, drawn after the switch back")
            << int(Qt::RightToLeft) << int(Qt::LeftToRight);
    }

    void overflowArrowIsTheBaseStyles()
    {
        QFETCH(int, asked);
        QFETCH(int, drawn);
        const std::unique_ptr<QStyle> base(QStyleFactory::create(baseStyleName()));
        ApplicationStyle style;
        QGuiApplication::setLayoutDirection(Qt::LayoutDirection(asked));
        const QIcon expected = base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
        const QIcon arrow = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, nullptr, nullptr);
        QGuiApplication::setLayoutDirection(Qt::LayoutDirection(drawn));
        QVERIFY(!arrow.isNull());
        QCOMPARE(arrow.availableSizes(), expected.availableSizes());
        for (int size : {8, 16, 24, 32}) {
            QCOMPARE(arrow.actualSize(QSize(size, size)), expected.actualSize(QSize(size, size)));
            QCOMPARE(arrow.pixmap(size).toImage(), expected.pixmap(size).toImage());
        }
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
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
    // The style the program's style draws over: the one the application would use anyway.
    static QString baseStyleName() { return ApplicationStyle().baseStyle()->name(); }

    // Runs the start-up probe with its settings under home; its lines, or a failure when it hung
    // or failed.
    QStringList runProbe(const QString &home)
    {
        QProcess probe;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        probe.setProcessEnvironment(environment);
        probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        probe.start(QStringLiteral(STARTUP_PROBE_PROGRAM));
        const bool finished = probe.waitForFinished(60000);
        if (!finished) {
            probe.kill();
            probe.waitForFinished(5000);
        }
        const QStringList lines = QString::fromUtf8(probe.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        [&] {
            QVERIFY2(finished, qPrintable(QStringLiteral("the start-up hung; it said: ") + lines.join(QStringLiteral(" / "))));
            QCOMPARE(probe.exitCode(), 0);
        }();
        return lines;
    }

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
