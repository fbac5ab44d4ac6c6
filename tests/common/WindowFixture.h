#pragma once

#include "NotepadStore.h"
#include "Settings.h"
#include "OpenedLinks.h"
#include "frmeBayFees.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <memory>

// A fresh calculator window for each test, shown offscreen, with settings in the test's own
// folder. A modal dialog that opens unexpectedly is closed by the watchdog and fails the test
// instead of hanging it.
class WindowFixture
{
public:
    WindowFixture()
    {
        useFreshSettings();
        window = std::make_unique<frmeBayFees>();
        window->show();
        QApplication::setActiveWindow(window.get());
        watchdog.setInterval(200);
        QObject::connect(&watchdog, &QTimer::timeout, [this] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                unexpectedDialog = dialog->windowTitle() + QStringLiteral(": ") + dialog->objectName();
                dialog->close();
            }
        });
        watchdog.start();
    }

    // Settings live in a folder of this test process, emptied for every fixture; the real user's
    // settings are never touched.
    static void useFreshSettings()
    {
        static QTemporaryDir folder;
        static const bool redirected = qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
        Q_UNUSED(redirected);
        // The notes kept between runs, likewise: each window starts with an empty notepad.
        static QTemporaryDir dataFolder;
        static const bool dataRedirected = qputenv("XDG_DATA_HOME", dataFolder.path().toLocal8Bit());
        Q_UNUSED(dataRedirected);
        QFile::remove(NotepadStore::FilePath());
        // A write still under way from the test before would land in the emptied store.
        DiscardUnsavedSettings();
        QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brontolux"), QStringLiteral("Calvextra"))
            .clear();
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *control = window->findChild<T *>(QString::fromLatin1(name));
        if (!control)
            qFatal("no control named %s", name);
        return control;
    }

    QLineEdit *field(const char *name) const { return find<QLineEdit>(name); }
    QString text(const char *name) const { return field(name)->text(); }

    // Types into a field as the user would: focus, keys, then (optionally) leaving it.
    void type(const char *name, const QString &keys) const { typeInto(field(name), keys); }
    static void typeInto(QLineEdit *target, const QString &keys)
    {
        target->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(target, keys);
    }

    // A click on a tab of the calculator, or on the tab that holds a control.
    void clickTab(int tab) const
    {
        QTabBar *bar = find<QTabWidget>("SSTab1")->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    }
    void clickTabOf(const QWidget *control) const
    {
        const QTabWidget *tabs = find<QTabWidget>("SSTab1");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            if (tabs->widget(tab)->isAncestorOf(control))
                clickTab(tab);
        }
    }

    // A click on the indicator of a check box or option button, where the user clicks.
    static void clickIndicator(QAbstractButton *button)
    {
        QStyleOptionButton option;
        option.initFrom(button);
        const QStyle::SubElement indicator = qobject_cast<QRadioButton *>(button) ? QStyle::SE_RadioButtonIndicator
                                                                                  : QStyle::SE_CheckBoxIndicator;
        QTest::mouseClick(button, Qt::LeftButton, {}, button->style()->subElementRect(indicator, &option, button).center());
    }
    void leave() const
    {
        // Focus moves on to a control that takes it without reacting: the notepad.
        find<QWidget>("txtNotes")->setFocus(Qt::TabFocusReason);
    }
    void typeAndLeave(const char *name, const QString &keys) const
    {
        type(name, keys);
        leave();
    }

    std::unique_ptr<frmeBayFees> window;
    QTimer watchdog;
    QString unexpectedDialog;
};
