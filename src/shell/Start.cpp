#include "Start.h"

#include "CalvextraVersion.h"
#include "frmeBayFees.h"

#include <QApplication>

int Main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral(CALVEXTRA_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(CALVEXTRA_VERSION_TEXT));
    QApplication::setOrganizationName(QStringLiteral("Brontolux"));

    frmeBayFees window;
    window.show();
    return application.exec();
}
