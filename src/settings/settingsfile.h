#pragma once
// The settings file: eleven lines, three minute limits and eight switches.
#include "app/mainwindowstate.h"
#include "common/linestore.h"

#include <array>

namespace settings {

inline constexpr const char* kFileName = "/sysctr.jxo";
std::string filePath(const MainWindowState& s);

// The eleven lines that "预设" fills in.
std::array<ByteText, 11> defaults();

// Decimal integer in the 32-bit range, as the program converts a settings line.
bool toInt(std::string_view text, int& value);

// Loads the file into memo and copies lines 0 to lineCount - 1 into settingLines, then
// assigns the members: 13 at start-up (all eleven), 10 after a confirmation (the limits
// and the six music and sound switches). Throws JaxoError when the file cannot be read or
// a limit is not an integer; the members before the failing one are assigned.
void readSettings(MainWindowState& s, LineStore& memo, int lineCount);

// Replaces the file by the eleven lines (CR LF each), atomically.
// Throws JaxoError("Cannot create file ...") and leaves the file as it was.
void writeSettings(const MainWindowState& s, LineStore& memo, const std::array<ByteText, 11>& lines);

}  // namespace settings
