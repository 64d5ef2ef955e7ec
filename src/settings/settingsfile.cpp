#include "settings/settingsfile.h"

#include "common/errors.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <climits>
#include <cstring>

namespace settings {

std::string userFilePath() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return (config + QStringLiteral("/jaxo")).toStdString() + kFileName;
}

std::string shippedFilePath(const MainWindowState& s) { return s.appDir + kFileName; }

std::string filePath(const MainWindowState& s) {
    const std::string user = userFilePath();
    return QFileInfo::exists(QString::fromStdString(user)) ? user : shippedFilePath(s);
}

std::array<ByteText, 11> defaults() {
    return {"10", "5", "10", "true", "true", "true", "true", "true", "true", "true", "true"};
}

QString limitName(int index) {
    static const char* const names[3] = {"练习时间", "测试时间", "背单词时间"};
    return QString::fromUtf8(names[std::clamp(index, 0, 2)]);
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

QString readSettings(MainWindowState& s, LineStore& memo, int lineCount) {
    int* limits[] = {&s.practiceMinutes, &s.testMinutes, &s.wordMinutes};
    const auto d = defaults();
    for (size_t i = 0; i < 3; ++i)
        if (!limitInRange(*limits[i])) toInt(d[i], *limits[i]);

    memo.clear();
    // Digits and switch words: a stray byte makes a limit unreadable or a switch off.
    memo.loadFile(filePath(s), LineStore::Check::Raw);
    for (s.loopIndex = 0; s.loopIndex < lineCount; ++s.loopIndex) {
        // Each line passes through the 300-byte buffer: at most 299 bytes survive.
        const ByteText line = memo.line(s.loopIndex);
        const size_t n = std::min(line.size(), s.lineBuffer.size() - 1);
        std::memcpy(s.lineBuffer.data(), line.data(), n);
        s.lineBuffer[n] = '\0';
        s.settingLines[static_cast<size_t>(s.loopIndex)] = ByteText(s.lineBuffer.data(), n);
    }
    QStringList outOfRange;
    for (size_t i = 0; i < 3; ++i) {
        int value = 0;
        if (!toInt(s.settingLines[i], value))
            throw JaxoError(errors::notAnInteger(bytes::toUnicode(s.settingLines[i])));
        if (limitInRange(value)) {
            *limits[i] = value;
        } else {
            toInt(d[i], *limits[i]);
            outOfRange << QStringLiteral("“%1”是 %2，已改用 %3")
                              .arg(limitName(static_cast<int>(i)))
                              .arg(value)
                              .arg(*limits[i]);
        }
    }
    ByteText* switches[] = {&s.mainMusic, &s.chineseMusic, &s.englishMusic, &s.testMusic,
                            &s.wordMusic, &s.keySound, &s.desktopShortcut, &s.startMenuShortcut};
    const size_t assigned = lineCount >= 11 ? 8 : static_cast<size_t>(std::max(0, lineCount - 4));
    for (size_t i = 0; i < assigned && i < 8; ++i) *switches[i] = s.settingLines[3 + i];

    if (outOfRange.isEmpty()) return {};
    return QStringLiteral("设置文件 %1 中的时间应为 %2～%3 分钟：%4。")
        .arg(QString::fromStdString(filePath(s)))
        .arg(kMinMinutes)
        .arg(kMaxMinutes)
        .arg(outOfRange.join(QStringLiteral("；")));
}

void writeSettings(const MainWindowState&, LineStore& memo, const std::array<ByteText, 11>& lines) {
    const std::string path = userFilePath();
    if (!QDir().mkpath(QFileInfo(QString::fromStdString(path)).path())) throw JaxoError(errors::cannotCreate(path));
    LineStore fresh;
    for (const auto& l : lines) fresh.appendLine(l);
    fresh.saveToFile(path);
    memo = fresh;
}

}  // namespace settings
