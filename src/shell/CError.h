#pragma once

#include <QString>

// Reports an unexpected error to the user.
class CError
{
public:
    // Opens an error-report dialog with the text and returns at once; the dialog lives on its
    // own until the user sends the report or continues. Each call opens a dialog of its own.
    static void Alert(const QString &errorText);
};
