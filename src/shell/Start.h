#pragma once

// The program's start: the application object, then the calculator window.
int Main(int argc, char **argv);
