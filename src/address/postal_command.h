#pragma once
// The command line of the postal dictionary:
//   minori [--home DIR] postal import FILE [DATE]          from Japan Post's KEN_ALL.CSV
//   minori [--home DIR] postal import-jpostal DIR [DATE]   from jquery-jpostal-ja's json folder
// DATE (yyyy/mm/dd) is the data's issue date, by default the file's modification date.
#include <QStringList>

namespace address {

bool isPostalCommand(const QStringList &command);
// Runs the command for the program folder home; returns the process exit code. Counts go to
// standard output, progress and errors to standard error.
int runPostalCommand(const QStringList &command, const QString &home);

} // namespace address
