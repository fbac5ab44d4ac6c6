#include "Start.h"

#include "CalvextraVersion.h"
#include "Languages.h"
#include "Localization.h"
#include "frmeBayFees.h"

#include <QApplication>
#include <QMessageBox>

int Main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(CALVEXTRA_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(CALVEXTRA_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral("Brontolux"));
    QApplication::setApplicationDisplayName(GetLocalizedString(QStringLiteral("Calvextra<5000>")));

    if (!InitLanguage()) {
        QMessageBox::critical(nullptr, GetLocalizedString(QStringLiteral("Error<0463>")),
                              GetLocalizedString(QStringLiteral("Could not load the localization resources from some reason.<0462>")));
        return 1;
    }
    // The product's name in the language now running ("Wertolino" in German).
    QApplication::setApplicationDisplayName(GetLocalizedString(QStringLiteral("Calvextra<5000>")));

    frmeBayFees window;
    window.show();
    return application.exec();
}
