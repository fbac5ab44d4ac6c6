#pragma once

#include <QPixmap>
#include <QString>

// The PNG file at path (a resource or a file), read with Qt's own PNG reader alone. A pixmap
// loaded the usual way has every installed image-format plugin loaded and asked first whether it
// reads the file; for pictures known to be PNG that is start-up time spent for nothing.
QPixmap PngPixmap(const QString &path);
