#include "settings/settingsfile.h"

#include "common/atomicwrite.h"
#include "common/bytetext.h"
#include "common/errors.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <climits>

namespace settings {

std::string userFilePath() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return (config + QStringLiteral("/jaxo")).toStdString() + kFileName;
}

std::string shippedFilePath(const std::string& appDir) { return appDir + kFileName; }

std::string filePath(const std::string& appDir) {
    const std::string user = userFilePath();
    return QFileInfo::exists(QString::fromStdString(user)) ? user : shippedFilePath(appDir);
}

bool toInt(std::string_view t, int& value) {
    size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) negative = t[i++] == '-';
    if (i == t.size()) return false;
    long long v = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9') return false;
        v = v * 10 + (t[i] - '0');
        if (v > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (negative) v = -v;
    if (v < INT_MIN || v > INT_MAX) return false;
    value = static_cast<int>(v);
    return true;
}

QString readSettings(Settings& into, LineStore& memo, const std::string& appDir) {
    for (const Field& f : kFields)
        if (f.kind == Kind::Minutes && !limitInRange(into.*f.minutes)) into.*f.minutes = f.defaultValue;

    memo.clear();
    const std::string path = filePath(appDir);
    // Digits and switch words: a stray byte makes a limit unreadable or a switch off.
    memo.loadFile(path, LineStore::Check::Raw);
    QStringList outOfRange;
    long long line = 0;
    for (const Field& f : kFields) {
        const ByteText text = bytes::left(memo.line(line++), kMaxLineBytes);
        if (f.kind == Kind::Switch) {
            into.*f.on = text == "true";
            continue;
        }
        int value = 0;
        if (!toInt(text, value)) throw JaxoError(errors::notAnInteger(bytes::toUnicode(text)));
        if (limitInRange(value)) {
            into.*f.minutes = value;
        } else {
            into.*f.minutes = f.defaultValue;
            outOfRange << QCoreApplication::translate("SettingsFile", "“%1”是 %2，已改用 %3")
                              .arg(QCoreApplication::translate("Settings", f.caption))
                              .arg(value)
                              .arg(f.defaultValue);
        }
    }

    if (outOfRange.isEmpty()) return {};
    return QCoreApplication::translate("SettingsFile", "设置文件 %1 中的时间应为 %2～%3 分钟：%4。")
        .arg(QString::fromStdString(path))
        .arg(kMinMinutes)
        .arg(kMaxMinutes)
        .arg(outOfRange.join(QCoreApplication::translate("SettingsFile", "；")));
}

void writeSettings(const Settings& value, LineStore& memo) {
    const std::string path = userFilePath();
    if (!atomicwrite::makeFolder(QFileInfo(QString::fromStdString(path)).path())) throw JaxoError(errors::cannotCreate(path));
    LineStore fresh;
    for (const Field& f : kFields) fresh.appendLine(lineOf(value, f));
    fresh.saveToFile(path);
    // The learner's alone, also when an older version left it readable by all.
    QFile::setPermissions(QString::fromStdString(path), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    memo = fresh;
}

}  // namespace settings
