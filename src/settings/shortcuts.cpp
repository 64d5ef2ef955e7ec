#include "settings/shortcuts.h"

#include "common/atomicwrite.h"
#include "common/install.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace shortcuts {

namespace {

QString firstLocation(QStandardPaths::StandardLocation loc) {
    return QStandardPaths::writableLocation(loc);
}

// A string value of a desktop entry: backslash, newline, tab, return escaped.
std::string escapeValue(const std::string& v) {
    std::string out;
    for (char c : v) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

// One argument of Exec, always quoted; inside quotes " ` $ \ take a backslash, and a
// literal % is written %%. The whole is then escaped as a string value.
std::string quoteExecArg(const std::string& arg) {
    std::string q = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') q += '\\';
        if (c == '%') q += '%';
        q += c;
    }
    q += '"';
    return escapeValue(q);
}

}  // namespace

std::string specialFolderPath(const std::string& name) {
    const QString up = QString::fromStdString(name).toUpper();
    QString dir;
    if (up == QLatin1String("DESKTOP") || up == QLatin1String("DESKTOPDIRECTORY")) {
        dir = firstLocation(QStandardPaths::DesktopLocation);
    } else if (up == QLatin1String("PROGRAMS") || up == QLatin1String("STARTMENU")) {
        dir = firstLocation(QStandardPaths::ApplicationsLocation);
    } else if (up == QLatin1String("STARTUP")) {
        const QString config = firstLocation(QStandardPaths::GenericConfigLocation);
        if (!config.isEmpty()) dir = config + QStringLiteral("/autostart");
    }
    while (dir.size() > 1 && dir.endsWith(QLatin1Char('/'))) dir.chop(1);
    return dir.toStdString();
}

std::string desktopEntry(const std::string& target, const std::string& linkName, const std::string& iconPath) {
    // The keys of the shipped launcher; only the program and its icon are this copy's.
    std::string e;
    const std::string_view shipped = install::kLauncher;
    size_t pos = 0;
    while (pos < shipped.size()) {
        size_t end = shipped.find('\n', pos);
        if (end == std::string_view::npos) end = shipped.size();
        const std::string_view line = shipped.substr(pos, end - pos);
        pos = end + 1;
        if (line.starts_with("Exec="))
            e += "Exec=" + quoteExecArg(target) + "\n";
        else if (line.starts_with("Icon="))
            e += "Icon=" + escapeValue(iconPath) + "\n";
        else if (line.starts_with("Name="))
            e += "Name=" + escapeValue(linkName) + "\n";
        else if (!line.starts_with("TryExec="))
            e.append(line).append("\n");
    }
    return e;
}

bool systemLauncherInstalled() {
    const QString own = firstLocation(QStandardPaths::ApplicationsLocation);
    const QString name = QString::fromLatin1(install::kAppId) + QStringLiteral(".desktop");
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation)) {
        if (QDir(dir) == QDir(own)) continue;
        if (QFileInfo::exists(dir + QLatin1Char('/') + name)) return true;
    }
    return false;
}

bool createShortcut(const std::string& folderName, const std::string& target, const std::string& linkName,
                    const std::string& iconPath) {
    const std::string folder = specialFolderPath(folderName);
    if (folder.empty()) return false;
    const QString qfolder = QString::fromStdString(folder);
    const QString upper = QString::fromStdString(folderName).toUpper();
    // The menu and autostart folders belong to this user and may simply not exist yet;
    // a missing desktop means there is no desktop to put a launcher on.
    const bool isDesktop = upper.startsWith(QLatin1String("DESKTOP"));
    if (!QDir(qfolder).exists() && (isDesktop || !QDir().mkpath(qfolder))) return false;
    const QString path = qfolder + QLatin1Char('/') + QString::fromStdString(linkName) + QStringLiteral(".desktop");
    const std::string text = desktopEntry(target, linkName, iconPath);
    atomicwrite::Options options;
    options.permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                          QFileDevice::ReadGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                          QFileDevice::ExeOther;
    return atomicwrite::write(path, text, nullptr, options);
}

}  // namespace shortcuts
