#include "clsResources40C.h"

QString clsResources40C::GetResourceString(qint32 &ResourceIndex)
{
    switch (ResourceIndex) {
    case 240: return QStringLiteral("Article unique");
    case 434: return QStringLiteral("&Aide");
    case 636: return QStringLiteral("O");
    case 640: return QString();  // an empty text: the English one shows instead
    case 674: return QStringLiteral("Par défaut");
    case 5000: return QStringLiteral("Calvextra");
    default:
        throw ResourceError{ResourceError::ResourceNotFound, QStringLiteral("Resource not found")};
    }
}
