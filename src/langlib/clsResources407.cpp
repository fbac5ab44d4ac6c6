#include "clsResources407.h"

#include "GermanStringTable.h"

QString clsResources407::GetResourceString(qint32 &ResourceIndex)
{
    const QString text = GermanString(ResourceIndex);
    if (text.isNull())
        throw ResourceError{ResourceError::ResourceNotFound,
                            QStringLiteral("Resource with identifier '%1' not found").arg(ResourceIndex)};
    return text;
}
