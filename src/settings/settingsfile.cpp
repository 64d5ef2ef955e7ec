#include "settings/settingsfile.h"

#include "common/errors.h"

#include <climits>
#include <cstring>

namespace settings {

std::string filePath(const MainWindowState& s) { return s.appDir + kFileName; }

std::array<ByteText, 11> defaults() {
    return {"10", "5", "10", "true", "true", "true", "true", "true", "true", "true", "true"};
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

void readSettings(MainWindowState& s, LineStore& memo, int lineCount) {
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
    int* limits[] = {&s.practiceMinutes, &s.testMinutes, &s.wordMinutes};
    for (size_t i = 0; i < 3; ++i) {
        if (!toInt(s.settingLines[i], *limits[i]))
            throw JaxoError(errors::notAnInteger(bytes::toUnicode(s.settingLines[i])));
    }
    ByteText* switches[] = {&s.mainMusic, &s.chineseMusic, &s.englishMusic, &s.testMusic,
                            &s.wordMusic, &s.keySound, &s.desktopShortcut, &s.startMenuShortcut};
    // After a confirmation the shortcut switches keep their start-up values.
    const size_t assigned = lineCount >= 11 ? 8 : static_cast<size_t>(std::max(0, lineCount - 4));
    for (size_t i = 0; i < assigned && i < 8; ++i) *switches[i] = s.settingLines[3 + i];
}

void writeSettings(const MainWindowState& s, LineStore& memo, const std::array<ByteText, 11>& lines) {
    LineStore fresh;
    for (const auto& l : lines) fresh.appendLine(l);
    fresh.saveToFile(filePath(s));
    memo = fresh;
}

}  // namespace settings
