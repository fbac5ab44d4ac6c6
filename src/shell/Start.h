#pragma once

#include <memory>

class CStartStatus;
class frmeBayFees;

// The program while it runs: the start-status object and the calculator window, which lives
// until the user closes it.
struct RunningProgram
{
    std::unique_ptr<CStartStatus> startStatus;
    std::unique_ptr<frmeBayFees> window;
    ~RunningProgram();
};

// Starts the program in the running QApplication: style, title, number format, language, brand,
// start status, the first-run update prompt, then the calculator window, shown. Nothing (after a
// message) when the language resources cannot be loaded.
std::unique_ptr<RunningProgram> StartUp();

// The program's entry: the application object, StartUp, and the event loop.
int Main(int argc, char **argv);
