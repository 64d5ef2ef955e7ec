#pragma once
// The settings file: a line for each field of the settings table, three minute limits
// and eight switches. Each user has a file of their own under the XDG configuration
// folder; until the first confirmation the default shipped in the data folder is read.
#include "common/linestore.h"
#include "settings/settings.h"

#include <QString>
#include <string>
#include <string_view>

namespace settings {

inline constexpr const char* kFileName = "/sysctr.jxo";

// A longer line is read as its first 299 bytes.
inline constexpr long long kMaxLineBytes = 299;

// The user's file: $XDG_CONFIG_HOME/jaxo/sysctr.jxo.
std::string userFilePath();
// The default that comes with the program, in its data folder appDir.
std::string shippedFilePath(const std::string& appDir);
// The file that is read: the user's when it exists, else the shipped default.
std::string filePath(const std::string& appDir);

// Decimal integer in the 32-bit range, as the program converts a settings line.
bool toInt(std::string_view text, int& value);

// Loads the file into memo and sets every field of `into` from its line, in line order.
// A switch is on exactly when its line is "true"; a missing line is empty; lines after
// the table's are ignored. Throws JaxoError when the file cannot be read or a limit is
// not an integer; the fields before the failing line are set then. A limit outside
// kMinMinutes..kMaxMinutes is replaced by its default and the result names each such
// line in one message for the learner, else it is empty. A limit not yet in range
// before the file is read (nothing read so far) starts from its default, so a missing
// or broken file never leaves a limit of 0.
QString readSettings(Settings& into, LineStore& memo, const std::string& appDir);

// Replaces the user's file by the value's lines (CR LF each), atomically, creating its
// folder. Throws JaxoError("Cannot create file ...") and leaves the file as it was.
void writeSettings(const Settings& value, LineStore& memo);

}  // namespace settings
