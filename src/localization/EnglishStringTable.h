#pragma once

#include <QList>
#include <QString>

// The program's own English string table (the form's 355 ids and the program's later texts): the
// text of an id, or a null string when the table has no such id.
QString EnglishString(qint32 id);
QList<qint32> EnglishStringIds();
