#pragma once
// Launchers on the freedesktop desktop and in the applications menu.
#include <string>

namespace shortcuts {

// The directory of a named special folder, without a trailing separator: "DESKTOP" and
// "DESKTOPDIRECTORY" the XDG desktop directory, "PROGRAMS" and "STARTMENU" the
// applications menu directory, "STARTUP" the autostart directory. Any other name, or a
// folder without a path: the empty text. Names are matched without regard to case.
std::string specialFolderPath(const std::string& name);

// Writes "<linkName>.desktop" into the named folder, replacing one that exists, with the
// run bit set. No messages; false when the folder cannot be found or the file not written.
bool createShortcut(const std::string& folderName, const std::string& target, const std::string& linkName,
                    const std::string& iconPath);

// The desktop entry text for a launcher: the keys of the shipped launcher, with Name the
// link name, Exec the target and Icon the icon path.
std::string desktopEntry(const std::string& target, const std::string& linkName, const std::string& iconPath);

// True when a system data folder (XDG_DATA_DIRS) holds the shipped launcher, so the
// applications menu lists the program already.
bool systemLauncherInstalled();

}  // namespace shortcuts
