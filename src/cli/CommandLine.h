#pragma once

#include <QStringList>

class QIODevice;

// calvextra-fees: the fees of one listing given by options, or of every listing of a CSV file.
// Needs a QCoreApplication (for the program's name and version).
namespace CommandLine {

enum ExitStatus {
    Success = 0,
    ListingsFailed = 1,  // a listing (the one of the options, or a row) had no fees
    UsageError = 2,      // the command line, the input's header or a file stopped the program
};

// Runs the program on its arguments (the first is the program's name). The standard input is
// read only for "--csv -".
int Run(const QStringList &arguments, QIODevice &standardInput, QIODevice &standardOutput,
        QIODevice &standardError);

} // namespace CommandLine
