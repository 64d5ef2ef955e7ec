#pragma once
// Where the program's read-only data lives.
#include <QString>
#include <string>

namespace datadir {
// The data folder for a program in programDir: the installed layout's data folder
// (relativeData seen from programDir) when it exists, else programDir itself, as in the
// build tree, where the data is written beside the program. No trailing separator.
std::string locate(const QString& programDir, const QString& relativeData);
// The folder of the modules loaded on first use: installed (the data found in a folder
// of its own), relativeModules seen from programDir, even when it is missing, so that a
// message names the right place; in the build tree, programDir.
QString modules(const QString& programDir, const std::string& dataDir, const QString& relativeModules);
}  // namespace datadir
