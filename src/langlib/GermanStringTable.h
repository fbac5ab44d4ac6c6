#pragma once

#include <QString>

// The German text of a string id, or a null QString when the table has no such id.
QString GermanString(qint32 id);
