#pragma once
// Where the program's read-only data lives.
#include <QString>
#include <string>

namespace datadir {
// The data folder for a program in programDir: the installed layout's data folder
// (relativeData seen from programDir) when it exists, else programDir itself, as in the
// build tree, where the data is written beside the program. No trailing separator.
std::string locate(const QString& programDir, const QString& relativeData);
}  // namespace datadir
