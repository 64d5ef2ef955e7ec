#pragma once
// The eleven settings as one value, and the one table that describes them: the settings
// file holds a line for each field in the table's order, and the settings panel shows a
// control for each.
#include <QtGlobal>
#include <array>
#include <string>

struct Settings {
    int practiceMinutes = 0;  // Chinese and English lessons, the radical drill
    int testMinutes = 0;      // Chinese and English tests
    int wordMinutes = 0;      // the vocabulary drill
    bool mainMusic = false;     // on the main screen
    bool chineseMusic = false;  // Chinese lessons and the radical drill
    bool englishMusic = false;  // English lessons
    bool testMusic = false;     // Chinese and English tests
    bool wordMusic = false;     // the vocabulary drill
    bool keySound = false;
    bool desktopShortcut = false;    // a launcher on the desktop at start-up
    bool startMenuShortcut = false;  // one in the applications menu at start-up

    bool operator==(const Settings&) const = default;
};

namespace settings {

// A time limit is a whole number of minutes in this range.
inline constexpr int kMinMinutes = 1;
inline constexpr int kMaxMinutes = 999;
inline constexpr bool limitInRange(int minutes) { return minutes >= kMinMinutes && minutes <= kMaxMinutes; }

enum class Kind { Minutes, Switch };
enum class Page { Times, Music, Launchers };

// Where the panel puts a field's control: its page, top left corner and width.
struct Place {
    Page page;
    int x;
    int y;
    int width;
};

struct Field {
    Kind kind;
    int Settings::*minutes;  // set for a time limit
    bool Settings::*on;      // set for a switch
    int defaultValue;        // what "预设" fills in: minutes, or 1 for a switch that is on
    const char* caption;     // the setting's name as the panel shows it
    const char* control;     // object name of its edit or check box
    const char* label;       // object name of the label beside an edit
    Place place;
};

constexpr Field minutesField(int Settings::*m, int byDefault, const char* caption, const char* label,
                             const char* edit, Place place) {
    return {Kind::Minutes, m, nullptr, byDefault, caption, edit, label, place};
}
constexpr Field switchField(bool Settings::*on, bool byDefault, const char* caption, const char* box, Place place) {
    return {Kind::Switch, nullptr, on, byDefault ? 1 : 0, caption, box, nullptr, place};
}

// In the order of the file's lines: line n (from 0) holds kFields[n].
inline constexpr std::array<Field, 11> kFields = {
    minutesField(&Settings::practiceMinutes, 10, QT_TRANSLATE_NOOP("Settings", "练习时间"), "lll1", "Edit1", {Page::Times, 120, 50, 120}),
    minutesField(&Settings::testMinutes, 5, QT_TRANSLATE_NOOP("Settings", "测试时间"), "lll2", "Edit2", {Page::Times, 120, 90, 120}),
    minutesField(&Settings::wordMinutes, 10, QT_TRANSLATE_NOOP("Settings", "背单词时间"), "lll3", "Edit3", {Page::Times, 135, 130, 120}),
    switchField(&Settings::mainMusic, true, QT_TRANSLATE_NOOP("Settings", "系统主音乐"), "CheckBox1", {Page::Music, 30, 30, 130}),
    switchField(&Settings::chineseMusic, true, QT_TRANSLATE_NOOP("Settings", "中文练习/测试时音乐"), "CheckBox2", {Page::Music, 30, 60, 200}),
    switchField(&Settings::englishMusic, true, QT_TRANSLATE_NOOP("Settings", "英文练习时音乐"), "CheckBox3", {Page::Music, 30, 90, 130}),
    switchField(&Settings::testMusic, true, QT_TRANSLATE_NOOP("Settings", "测试时音乐"), "CheckBox4", {Page::Music, 30, 120, 130}),
    switchField(&Settings::wordMusic, true, QT_TRANSLATE_NOOP("Settings", "背单词时音乐"), "CheckBox5", {Page::Music, 30, 150, 130}),
    switchField(&Settings::keySound, true, QT_TRANSLATE_NOOP("Settings", "键盘音效"), "CheckBox6", {Page::Music, 120, 180, 130}),
    switchField(&Settings::desktopShortcut, true, QT_TRANSLATE_NOOP("Settings", "在桌面创建快捷键"), "CheckBox7", {Page::Launchers, 30, 40, 130}),
    switchField(&Settings::startMenuShortcut, true, QT_TRANSLATE_NOOP("Settings", "在开始菜单处创建快捷键"), "CheckBox8", {Page::Launchers, 30, 80, 200}),
};

// What "预设" fills in.
inline Settings defaults() {
    Settings d;
    for (const Field& f : kFields) {
        if (f.kind == Kind::Minutes)
            d.*f.minutes = f.defaultValue;
        else
            d.*f.on = f.defaultValue != 0;
    }
    return d;
}

// The field's line as the file holds it: decimal minutes, or "true" / "false".
inline std::string lineOf(const Settings& value, const Field& field) {
    if (field.kind == Kind::Minutes) return std::to_string(value.*field.minutes);
    return value.*field.on ? "true" : "false";
}

}  // namespace settings
