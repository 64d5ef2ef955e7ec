#pragma once
// The settings file: eleven lines, three minute limits and eight switches.
// Each user has a file of their own under the XDG configuration folder; until the
// first confirmation the default shipped in the program's data folder is read.
#include "exercise/mainwindowstate.h"
#include "common/linestore.h"

#include <QString>
#include <array>

namespace settings {

inline constexpr const char* kFileName = "/sysctr.jxo";

// A time limit is a whole number of minutes in this range.
inline constexpr int kMinMinutes = 1;
inline constexpr int kMaxMinutes = 999;
inline bool limitInRange(int minutes) { return minutes >= kMinMinutes && minutes <= kMaxMinutes; }

// The user's file: $XDG_CONFIG_HOME/jaxo/sysctr.jxo.
std::string userFilePath();
// The default that comes with the program, in its data folder.
std::string shippedFilePath(const MainWindowState& s);
// The file that is read: the user's when it exists, else the shipped default.
std::string filePath(const MainWindowState& s);

// The eleven lines that "预设" fills in.
std::array<ByteText, 11> defaults();

// Decimal integer in the 32-bit range, as the program converts a settings line.
bool toInt(std::string_view text, int& value);

// Loads the file into memo and copies lines 0 to lineCount - 1 into settingLines, then
// assigns the members: 13 at start-up and 11 after a confirmation (all eleven), 10 (the
// limits and the six music and sound switches). Throws JaxoError when the file cannot be
// read or a limit is not an integer; the members before the failing one are assigned.
// A limit outside kMinMinutes..kMaxMinutes is replaced by its default; the result then
// names each such line in one message for the learner, else it is empty. Limits that
// are not yet in range before the file is read (nothing read so far) start from the
// defaults, so a missing or broken file never leaves a limit of 0.
QString readSettings(MainWindowState& s, LineStore& memo, int lineCount);

// Replaces the user's file by the eleven lines (CR LF each), atomically, creating its
// folder. Throws JaxoError("Cannot create file ...") and leaves the file as it was.
void writeSettings(const MainWindowState& s, LineStore& memo, const std::array<ByteText, 11>& lines);

// The names of the three limits as the panel shows them beside their edits.
QString limitName(int index);

}  // namespace settings
