// A reference for start-up measurements: a plain Qt main window of about the calculator's size,
// with a tab widget of four pages holding 156 ordinary widgets (labels, line edits, check boxes)
// in grid layouts, and nothing else: no menus, settings, fonts of its own or calculations.
// Run: build/bin/bare_window [--quit-after-paint]   (the flag ends it after the first paint,
// for instruction counts under callgrind)

#include "FirstPaintMark.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QStringList>
#include <QTabWidget>
#include <QTimer>

namespace {

constexpr int Tabs = 4;
constexpr int RowsPerTab = 13;  // a label, a line edit and a check box each: 39 widgets a tab

// Ends the application once the window has painted for the first time.
class FirstPaintQuit : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_quitting) {
            m_quitting = true;
            QTimer::singleShot(0, qApp, [] {
                markFirstPaintDone();
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_quitting = false;
};

QWidget *makePage(int tab)
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    for (int row = 0; row < RowsPerTab; ++row) {
        grid->addWidget(new QLabel(QStringLiteral("Amount %1.%2:").arg(tab + 1).arg(row + 1)), row, 0);
        auto *field = new QLineEdit;
        field->setText(QStringLiteral("%1.00").arg(row * 5));
        grid->addWidget(field, row, 1);
        grid->addWidget(new QCheckBox(QStringLiteral("Option %1").arg(row + 1)), row, 2);
    }
    return page;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    const bool quitAfterPaint = QCoreApplication::arguments().contains(QStringLiteral("--quit-after-paint"));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    auto *tabs = new QTabWidget;
    for (int tab = 0; tab < Tabs; ++tab)
        tabs->addTab(makePage(tab), QStringLiteral("Tab %1").arg(tab + 1));
    window.setCentralWidget(tabs);
    window.resize(765, 505);

    FirstPaintQuit quitter;
    if (quitAfterPaint)
        window.installEventFilter(&quitter);
    window.show();
    return application.exec();
}
