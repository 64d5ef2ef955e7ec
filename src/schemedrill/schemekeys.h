#pragma once
// What each input scheme's key drill asks and what its key chart shows: the symbols of
// the scheme (pinyin initials and finals, double-pinyin syllables, Cangjie radicals,
// Zhuyin symbols) with the keys that type them. Written from the Debian tables the
// schemes come from.
#include "exercise/exercisekinds.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string_view>
#include <vector>

namespace schemedrill {

struct KeyItem {
    QString symbol;  // as shown: "zh", "lüe", "日", "ㄅ"
    QString keys;    // the keys typed, as their characters: "zh", "lt", "a", "1"
    QString note;    // shown with the hint: a double-pinyin split, Cangjie's auxiliary shapes
    QString shortKeys;  // a shorter answer, ended by Space (a Wubi code's own short code)
};

// One key of the chart: its key character, the symbols it stands for (drawn large) and
// what else it takes (drawn small: finals, auxiliary shapes).
struct ChartKey {
    char key;
    QStringList main;
    QStringList extra;
};

struct SchemeKeys {
    QString id;         // "pinyin", "shuangpin-xiaohe", "cangjie5", ...
    QString name;       // the learner's name of the scheme: "全拼"
    QString chartName;  // the chart's name for a screen reader
    std::vector<KeyItem> items;
    std::vector<std::vector<ChartKey>> chart;  // rows of keys, top row first
};

// The schemes that have a key drill, in the order of the menu (Wubi has its radical drill).
const std::vector<QString>& drillSchemes();
// The drill of a scheme; nothing for an unknown id.
std::optional<SchemeKeys> schemeKeys(const QString& id);

// The exercise that drills a scheme's keys, and the scheme an exercise drills.
std::optional<ExerciseId> drillExercise(const QString& id);
QString drillScheme(ExerciseId exercise);

}  // namespace schemedrill
