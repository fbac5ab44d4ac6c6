#pragma once

// The interface between the program and its language libraries. A library is a Qt plugin whose
// instance implements clsResources; this header is all that the two share.

#include <QString>
#include <QtPlugin>

// What GetResourceString throws when it cannot answer.
struct ResourceError
{
    static constexpr qint32 ResourceNotFound = 326;

    qint32 Number = 0;
    QString Description;
};

class clsResources
{
public:
    virtual ~clsResources() = default;
    // The text of the id in the library's language. Throws ResourceError with ResourceNotFound
    // for an id that its table does not hold.
    virtual QString GetResourceString(qint32 &ResourceIndex) = 0;
};

#define CalvextraLanguageResources_iid "example.brontolux.Calvextra.clsResources/1.0"
Q_DECLARE_INTERFACE(clsResources, CalvextraLanguageResources_iid)
