#pragma once

#include <QStringList>

// The process of a target that makes the calculator window: QApplication on the offscreen
// platform, with the settings, data and runtime folders in a folder of this process. The
// application is never destroyed: the input devices that key presses make go away after it at
// exit. A dialog that opens is noted in dialogs (its name, and its text for a message box) and
// closed.
void StartWindowProcess(int *argc, char ***argv, QStringList &dialogs);
