#include "schemedrill/schemekeys.h"

#include <QCoreApplication>
#include <array>
#include <map>

namespace schemedrill {

namespace {

QString tr(const char* text) { return QCoreApplication::translate("schemedrill", text); }

const char* const kLetterRows[] = {"qwertyuiop", "asdfghjkl", "zxcvbnm"};

// ü is typed with the V key: spelled with v, shown with ü.
QString shown(QString spelling) { return spelling.replace(QLatin1Char('v'), QStringLiteral("ü")); }

// Full pinyin: every initial and final, typed letter by letter.
const char* const kInitials[] = {"b", "p", "m", "f", "d", "t", "n", "l", "g", "k", "h", "j",
                                 "q", "x", "zh", "ch", "sh", "r", "z", "c", "s", "y", "w"};
const char* const kFinals[] = {"a",  "o",  "e",   "i",   "u",   "v",   "ai",  "ei",   "ui",   "ao",  "ou",  "iu",
                               "ie", "ve", "er",  "an",  "en",  "in",  "un",  "vn",   "ang",  "eng", "ing", "ong",
                               "ia", "ua", "uo",  "uai", "uan", "van", "ian", "iang", "uang", "iao", "iong"};

SchemeKeys fullPinyin() {
    SchemeKeys s{QStringLiteral("pinyin"), tr("全拼"), tr("全拼键位图：声母与韵母从哪个键打起"), {}, {}};
    for (const char* i : kInitials) s.items.push_back({QString::fromLatin1(i), QString::fromLatin1(i), tr("声母")});
    for (const char* f : kFinals) {
        const QString keys = QString::fromLatin1(f);
        const QString note = keys.contains(QLatin1Char('v')) ? tr("韵母，ü 用 V 键") : tr("韵母");
        s.items.push_back({shown(keys), keys, note});
    }
    // Each key: the initials and the finals that start on it.
    for (const char* row : kLetterRows) {
        auto& keys = s.chart.emplace_back();
        for (const char* k = row; *k; ++k) {
            ChartKey key{*k, {}, {}};
            for (const char* i : kInitials)
                if (i[0] == *k) key.main << QString::fromLatin1(i);
            for (const char* f : kFinals)
                if (f[0] == *k) key.extra << shown(QString::fromLatin1(f));
            keys.push_back(key);
        }
    }
    return s;
}

// Double pinyin: the keys of zh, ch, sh and of the finals longer than one letter, from
// the schemes' spelling rules in rime-data-double-pinyin.
struct DoubleMap {
    const char* id;
    const char* name;
    const char* chartName;
    std::map<std::string, char> initials;
    std::map<std::string, char> finals;
};

const std::array<DoubleMap, 2> kDouble = {{
    {"shuangpin-xiaohe", QT_TRANSLATE_NOOP("schemedrill", "双拼（小鹤）"),
     QT_TRANSLATE_NOOP("schemedrill", "小鹤双拼键位图：每个键上的声母和韵母"),
     {{"zh", 'v'}, {"ch", 'i'}, {"sh", 'u'}},
     {{"iu", 'q'},  {"ei", 'w'},  {"uan", 'r'},  {"ue", 't'}, {"ve", 't'},  {"un", 'y'},   {"uo", 'o'},
      {"ie", 'p'},  {"ong", 's'}, {"iong", 's'}, {"ing", 'k'}, {"uai", 'k'}, {"ai", 'd'},   {"en", 'f'},
      {"eng", 'g'}, {"iang", 'l'}, {"uang", 'l'}, {"ang", 'h'}, {"ian", 'm'}, {"an", 'j'},   {"ou", 'z'},
      {"ia", 'x'},  {"ua", 'x'},  {"iao", 'n'},  {"ao", 'c'}, {"ui", 'v'},  {"in", 'b'}}},
    {"shuangpin-ziranma", QT_TRANSLATE_NOOP("schemedrill", "双拼（自然码）"),
     QT_TRANSLATE_NOOP("schemedrill", "自然码双拼键位图：每个键上的声母和韵母"),
     {{"zh", 'v'}, {"ch", 'i'}, {"sh", 'u'}},
     {{"iu", 'q'},  {"ia", 'w'},  {"ua", 'w'},   {"uan", 'r'}, {"ue", 't'},  {"ve", 't'},   {"ing", 'y'},
      {"uai", 'y'}, {"uo", 'o'},  {"un", 'p'},   {"ong", 's'}, {"iong", 's'}, {"iang", 'd'}, {"uang", 'd'},
      {"en", 'f'},  {"eng", 'g'}, {"ang", 'h'},  {"ian", 'm'}, {"an", 'j'},  {"iao", 'c'},  {"ao", 'k'},
      {"ai", 'l'},  {"ei", 'z'},  {"ie", 'x'},   {"ui", 'v'},  {"ou", 'b'},  {"in", 'n'}}},
}};

// Syllables that between them use every key of both maps, and the zero-initial ones.
const char* const kSyllables[] = {
    "zhi",   "chi",   "shi",  "ri",   "zi",    "ci",    "si",   "de",    "ta",   "ne",   "le",   "ge",
    "ke",    "he",    "bo",   "po",   "mo",    "fo",    "bu",   "zhu",   "chu",  "shu",  "ju",   "qu",
    "xu",    "lv",    "nv",   "bai",  "zhai",  "bei",   "shei", "gui",   "shui", "hao",  "zhao", "dou",
    "shou",  "liu",   "qiu",  "bie",  "xie",   "jue",   "lve",  "yue",   "ban",  "zhan", "ben",  "shen",
    "lin",   "xin",   "kun",  "zhun", "jun",   "bang",  "chang", "feng", "sheng", "ming", "ding", "dong",
    "zhong", "xiong", "qiong", "yong", "jia",  "xia",   "gua",  "shua",  "duo",  "zhuo", "kuai", "shuai",
    "duan",  "chuan", "juan", "xuan", "liang", "jiang", "guang", "zhuang", "tian", "mian", "niao", "jiao",
    "a",     "o",     "e",    "ai",   "ei",    "ao",    "ou",   "an",    "en",   "ang",  "eng",  "er"};

SchemeKeys doublePinyin(const DoubleMap& m) {
    SchemeKeys s{QString::fromLatin1(m.id), tr(m.name), tr(m.chartName), {}, {}};
    for (const char* syllable : kSyllables) {
        const std::string sy = syllable;
        std::string initial;
        if (sy.size() > 2 && m.initials.count(sy.substr(0, 2))) initial = sy.substr(0, 2);
        else if (std::string_view("bpmfdtnlgkhjqxrzcsyw").find(sy[0]) != std::string_view::npos) initial = sy.substr(0, 1);
        const std::string fin = sy.substr(initial.size());
        const auto finalKey = [&](const std::string& f) { return f.size() == 1 ? f[0] : m.finals.at(f); };
        QString keys;
        QString note;
        if (initial.empty()) {
            // Without an initial: a one-letter final doubled, a two-letter one as spelled,
            // a longer one its first letter and its key.
            if (fin.size() == 1) keys = QString::fromStdString(fin + fin);
            else if (fin.size() == 2) keys = QString::fromStdString(fin);
            else keys = QString::fromStdString(std::string{fin[0], finalKey(fin)});
            note = tr("零声母：%1").arg(QString::fromStdString(fin));
        } else {
            const char ik = initial.size() == 2 ? m.initials.at(initial) : initial[0];
            keys = QString::fromStdString(std::string{ik, finalKey(fin)});
            note = tr("声母 %1 → %2，韵母 %3 → %4")
                       .arg(QString::fromStdString(initial), QString(QChar::fromLatin1(ik)).toUpper(),
                            shown(QString::fromStdString(fin)), QString(QChar::fromLatin1(finalKey(fin))).toUpper());
        }
        s.items.push_back({shown(QString::fromLatin1(syllable)), keys, note});
    }
    for (const char* row : kLetterRows) {
        auto& keys = s.chart.emplace_back();
        for (const char* k = row; *k; ++k) {
            ChartKey key{*k, {}, {}};
            for (const auto& [i, c] : m.initials)
                if (c == *k) key.main << QString::fromStdString(i);
            for (const auto& [f, c] : m.finals)
                if (c == *k && !key.extra.contains(shown(QString::fromStdString(f)))) key.extra << shown(QString::fromStdString(f));
            keys.push_back(key);
        }
    }
    return s;
}

// The 24 Cangjie radicals on A to Y (X is the key for characters hard to split), with
// the auxiliary shapes each one also stands for.
struct Radical {
    char key;
    const char* radical;
    const char* shapes;
};
const Radical kRadicals[] = {
    {'a', "日", "曰"},   {'b', "月", "⺼ 冂"}, {'c', "金", "八 丷"}, {'d', "木", ""},      {'e', "水", "氵 又 氺"},
    {'f', "火", "灬 小"}, {'g', "土", "士"},  {'h', "竹", "丿 ⺮"}, {'i', "戈", "丶 厶"}, {'j', "十", "宀"},
    {'k', "大", "乂 ナ"}, {'l', "中", "丨"},  {'m', "一", ""},     {'n', "弓", "乛"},    {'o', "人", "亻"},
    {'p', "心", "忄 勹 匕"}, {'q', "手", "扌"}, {'r', "口", ""},     {'s', "尸", "匚"},    {'t', "廿", "艹"},
    {'u', "山", "凵"},   {'v', "女", ""},     {'w', "田", "囗"},   {'y', "卜", "辶 亠"},
};

SchemeKeys cangjie(const QString& id, const QString& name, const QString& chartName) {
    SchemeKeys s{id, name, chartName, {}, {}};
    for (const Radical& r : kRadicals) {
        const QString shapes = QString::fromUtf8(r.shapes);
        s.items.push_back({QString::fromUtf8(r.radical), QString(QChar::fromLatin1(r.key)),
                           shapes.isEmpty() ? QString() : tr("辅助字形：%1").arg(shapes)});
    }
    for (const char* row : kLetterRows) {
        auto& keys = s.chart.emplace_back();
        for (const char* k = row; *k; ++k) {
            ChartKey key{*k, {}, {}};
            if (*k == 'x') key.main << QStringLiteral("難");
            for (const Radical& r : kRadicals)
                if (r.key == *k) {
                    key.main << QString::fromUtf8(r.radical);
                    key.extra = QString::fromUtf8(r.shapes).split(QLatin1Char(' '), Qt::SkipEmptyParts);
                }
            keys.push_back(key);
        }
    }
    return s;
}

// Zhuyin on the standard keyboard: the symbols and the tone marks of tones 2 to 5
// (tone 1 is the space bar).
struct Symbol {
    char key;
    const char* symbol;
};
const Symbol kZhuyin[] = {
    {'1', "ㄅ"}, {'q', "ㄆ"}, {'a', "ㄇ"}, {'z', "ㄈ"}, {'2', "ㄉ"}, {'w', "ㄊ"}, {'s', "ㄋ"}, {'x', "ㄌ"},
    {'e', "ㄍ"}, {'d', "ㄎ"}, {'c', "ㄏ"}, {'r', "ㄐ"}, {'f', "ㄑ"}, {'v', "ㄒ"}, {'5', "ㄓ"}, {'t', "ㄔ"},
    {'g', "ㄕ"}, {'b', "ㄖ"}, {'y', "ㄗ"}, {'h', "ㄘ"}, {'n', "ㄙ"}, {'u', "ㄧ"}, {'j', "ㄨ"}, {'m', "ㄩ"},
    {'8', "ㄚ"}, {'i', "ㄛ"}, {'k', "ㄜ"}, {',', "ㄝ"}, {'9', "ㄞ"}, {'o', "ㄟ"}, {'l', "ㄠ"}, {'.', "ㄡ"},
    {'0', "ㄢ"}, {'p', "ㄣ"}, {';', "ㄤ"}, {'/', "ㄥ"}, {'-', "ㄦ"}, {'6', "ˊ"},  {'3', "ˇ"},  {'4', "ˋ"},
    {'7', "˙"},
};

SchemeKeys zhuyin() {
    SchemeKeys s{QStringLiteral("zhuyin"), tr("注音"), tr("注音键位图：大千式键盘上的注音符号和声调"), {}, {}};
    for (size_t i = 0; i < std::size(kZhuyin); ++i) {
        const Symbol& z = kZhuyin[i];
        // The table runs initials, medials, finals, tones.
        const QString note = i < 21 ? tr("声母") : i < 24 ? tr("介音") : i < 37 ? tr("韵母") : tr("声调");
        s.items.push_back({QString::fromUtf8(z.symbol), QString(QChar::fromLatin1(z.key)), note});
    }
    for (const char* row : {"1234567890-", "qwertyuiop", "asdfghjkl;", "zxcvbnm,./"}) {
        auto& keys = s.chart.emplace_back();
        for (const char* k = row; *k; ++k) {
            ChartKey key{*k, {}, {}};
            for (const Symbol& z : kZhuyin)
                if (z.key == *k) key.main << QString::fromUtf8(z.symbol);
            keys.push_back(key);
        }
    }
    return s;
}

struct Entry {
    const char* id;
    ExerciseId exercise;
};
const Entry kEntries[] = {
    {"pinyin", ExerciseId::PinyinKeys},   {"shuangpin-xiaohe", ExerciseId::XiaoheKeys},
    {"shuangpin-ziranma", ExerciseId::ZiranmaKeys}, {"cangjie5", ExerciseId::CangjieKeys},
    {"quick5", ExerciseId::QuickKeys},    {"zhuyin", ExerciseId::ZhuyinKeys},
};

}  // namespace

const std::vector<QString>& drillSchemes() {
    static const std::vector<QString> ids = [] {
        std::vector<QString> v;
        for (const Entry& e : kEntries) v.push_back(QString::fromLatin1(e.id));
        return v;
    }();
    return ids;
}

std::optional<SchemeKeys> schemeKeys(const QString& id) {
    if (id == QLatin1String("pinyin")) return fullPinyin();
    for (const DoubleMap& m : kDouble)
        if (id == QLatin1String(m.id)) return doublePinyin(m);
    if (id == QLatin1String("cangjie5")) return cangjie(id, tr("仓颉五代"), tr("仓颉键位图：字母键上的字根和辅助字形"));
    if (id == QLatin1String("quick5")) return cangjie(id, tr("速成"), tr("速成键位图：字母键上的仓颉字根和辅助字形"));
    if (id == QLatin1String("zhuyin")) return zhuyin();
    return std::nullopt;
}

std::optional<ExerciseId> drillExercise(const QString& id) {
    for (const Entry& e : kEntries)
        if (id == QLatin1String(e.id)) return e.exercise;
    return std::nullopt;
}

QString drillScheme(ExerciseId exercise) {
    for (const Entry& e : kEntries)
        if (e.exercise == exercise) return QString::fromLatin1(e.id);
    return {};
}

}  // namespace schemedrill
