#pragma once

#include <QIcon>

// The program's icon at every size it comes in (16 to 256 pixels). A picture is decoded only
// when a pixmap of the icon is first asked for at a size it serves, so giving the icon to the
// windows costs nothing until something draws it.
QIcon ProgramIcon();
