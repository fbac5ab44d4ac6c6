#include "Start.h"

#include "ApplicationStyle.h"
#include "CCustomBrand.h"
#include "CError.h"
#include "CStartStatus.h"
#include "CalvextraVersion.h"
#include "FCheckVersion.h"
#include "Languages.h"
#include "Localization.h"
#include "ProgramIcon.h"
#include "PublicVars.h"
#include "frmAbout.h"
#include "frmeBayFees.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include <exception>

namespace {

// Hands an error that escaped an event handler to the error dialog instead of ending the program.
class Application : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            CError::Alert(QString::fromLocal8Bit(error.what()));
        } catch (...) {
            CError::Alert(QStringLiteral("An unknown error occurred while handling an event."));
        }
        return false;
    }
};

void setProductTitle()
{
    setApplicationTitle(GetLocalizedString(QStringLiteral("Calvextra<5000>")));
}

void showUpdatePrompt(CStartStatus &startStatus, QWidget *parent)
{
    FCheckVersion prompt(parent);
    prompt.Initialize(&startStatus);
    prompt.exec();
}

} // namespace

RunningProgram::~RunningProgram() = default;

std::unique_ptr<RunningProgram> StartUp()
{
    if (!dynamic_cast<ApplicationStyle *>(QApplication::style()))
        QApplication::setStyle(new ApplicationStyle);
    setProductTitle();
    NumberFormat() = DetectNumberFormat();
    if (!InitLanguage()) {
        QMessageBox::critical(nullptr, GetLocalizedString(QStringLiteral("Error<0463>")),
                              GetLocalizedString(QStringLiteral("Could not load the localization resources from some reason.<0462>")));
        return nullptr;
    }
    setProductTitle();  // now in the running language ("Wertolino" in German)

    auto program = std::make_unique<RunningProgram>();
    program->startStatus = std::make_unique<CStartStatus>();
    CCustomBrand brand;
    brand.LoadBrand();

    // A branded installation is told apart from a later start like any other, so it gets the
    // default settings on its first run; the maker's update prompt is left to the maker's own.
    program->startStatus->Initialize(CStartStatus::CalculatorApplicationClass);
    if (program->startStatus->IsNewInstall() && !brand.IsCustomBrand())
        showUpdatePrompt(*program->startStatus, nullptr);

    program->window = std::make_unique<frmeBayFees>(program->startStatus->IsFirstTime());
    frmeBayFees *window = program->window.get();
    CStartStatus *startStatus = program->startStatus.get();
    QObject::connect(window, &frmeBayFees::AboutRequested, window, [window] {
        frmAbout about(window);
        about.exec();
    });
    QObject::connect(window, &frmeBayFees::UpdateCheckRequested, window,
                     [window, startStatus] { showUpdatePrompt(*startStatus, window); });
    window->show();
    return program;
}

int Main(int argc, char **argv)
{
    Application application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(CALVEXTRA_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(CALVEXTRA_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral("Brontolux"));
    QGuiApplication::setDesktopFileName(QStringLiteral("calvextra"));
    QApplication::setWindowIcon(ProgramIcon());
    const std::unique_ptr<RunningProgram> program = StartUp();
    if (!program)
        return 1;
    return application.exec();
}
