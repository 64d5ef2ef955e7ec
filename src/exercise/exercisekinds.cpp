#include "exercise/exercisekinds.h"

#include "settings/settings.h"

#include <array>
#include <cstdlib>

namespace {
using P = ExercisePanel;
using M = MusicSwitch;
using I = ExerciseId;

constexpr std::string_view kChinese = "中文练习";
constexpr std::string_view kEnglish = "英文练习";
constexpr std::string_view kWords = "轻轻松松背单词";
constexpr std::string_view kTest = "测试";

constexpr ExerciseKind lesson(I id, std::string_view title, std::string_view file, std::string_view menu,
                              std::string_view control, std::string_view caption, std::string_view hint) {
    return {id, P::Chinese, M::Chinese, false, false, false, kChinese, title, file, "chinese",
            "cool1", menu, control, caption, hint};
}
constexpr ExerciseKind english(I id, std::string_view title, std::string_view file, std::string_view control,
                               std::string_view caption, std::string_view hint) {
    return {id, P::English, M::English, false, false, false, kEnglish, title, file, "english",
            "cool2", {}, control, caption, hint};
}
constexpr ExerciseKind test(I id, bool latin, bool random, std::string_view control, std::string_view caption) {
    return {id, P::Chinese, M::Test, true, random, latin, latin ? kEnglish : kChinese, kTest,
            latin ? "/etest.txt" : "/ctest.txt", latin ? "english-test" : "chinese-test", "cool4",
            latin ? "csPopupMenu1" : "csPopupMenu2", control, caption, {}};
}
constexpr ExerciseKind words(I id, std::string_view title, std::string_view file, std::string_view menu,
                             std::string_view control, std::string_view caption, std::string_view hint) {
    return {id, P::Vocabulary, M::Word, false, false, false, kWords, title, file, "vocabulary",
            "cool5", menu, control, caption, hint};
}

constexpr std::array kKinds = {
    ExerciseKind{I::RadicalDrill, P::Radicals, M::Chinese, false, false, false, kChinese, "字根练习", {}, "radicals",
                 "cool1", {}, "m1a", "字根练习", "单击进入五笔字根练习..."},
    lesson(I::HighFrequency, "高频字练习", "/gpz.jxo", {}, "m1b", "高频字", "单击此键进入高频字练习状态..."),
    lesson(I::TwoKeyCodes, "二级简码练习", "/ejjm.jxo", {}, "m1c", "二级简码", "单击此键进入二级简码练习状态..."),
    lesson(I::ThreeKeyCodes, "三级简码练习", "/sjjm.jxo", {}, "m1d", "三级简码", "单击此键进入三级简码练习状态..."),
    lesson(I::TwoCharPhrases, "二字词组练习", "/ezcz.jxo", "czPopupMenu", "N7", "二字词组", {}),
    lesson(I::ThreeCharPhrases, "三字词组练习", "/shzcz.jxo", "czPopupMenu", "N9", "三字词组", {}),
    lesson(I::FourCharPhrases, "四字词组练习", "/szcz.jxo", "czPopupMenu", "N11", "四字词组", {}),
    lesson(I::ChineseArticles, "文章练习", "/clesson.txt", {}, "m1f", "文章练习", "单击此键进入文章练习状态..."),
    // A lesson made from the learner's figures for each character (adaptive/).
    ExerciseKind{I::ChineseAdaptive, P::Chinese, M::Chinese, false, false, false, kChinese, "中文智能练习", {},
                 "chinese-adaptive", "cool1", {}, "m1g", "智能练习", "单击进入中文智能练习：字按熟练程度逐个加入..."},
    english(I::EnglishBeginner, "英文初级练习", "/ywcj.jxo", "m2a", "英文初级", "单击进入英文初级指法练习..."),
    english(I::EnglishIntermediate, "英文中级练习", "/ywzj.jxo", "m2b", "英文中级", "单击进入英文中级指法练习..."),
    english(I::EnglishAdvanced, "英文高级练习", "/ywgj.jxo", "m2c", "英文高级", "单击进入英文高级指法练习..."),
    english(I::EnglishArticles, "英文文章练习", "/elesson.txt", "m2d", "文章练习", "单击进入英文文章练习..."),
    // Lines made as it goes from the learner's figures for each key (adaptive/).
    ExerciseKind{I::EnglishAdaptive, P::English, M::English, false, false, false, kEnglish, "英文智能练习", {},
                 "english-adaptive", "cool2", {}, "m2e", "智能练习", "单击进入英文智能练习：键按熟练程度逐个加入..."},
    test(I::ChineseTestFromStart, false, false, "MenuItem4", "顺序测试"),
    test(I::ChineseTestAtRandom, false, true, "MenuItem6", "随机测试"),
    test(I::EnglishTestFromStart, true, false, "MenuItem1", "顺序测试"),
    test(I::EnglishTestAtRandom, true, true, "MenuItem3", "随机测试"),
    words(I::PrimaryWords, "新版小学英语", "/xxyy.eng", {}, "m4a", "小学英语", "单击进入小学英文单词练习..."),
    words(I::JuniorWords, "新版初中英语", "/czhyy.eng", {}, "m4b", "初中英语", "单击进入初中英文单词练习..."),
    words(I::SeniorWords, "新版高中英语", "/gzhyy.eng", {}, "m4e", "高中英语", "单击进入高中英文单词练习..."),
    words(I::UniversityBand14Words, "大学英语1-4级", "/yy14.eng", "bdcmune", "N5", "大学英语1-4级词汇", {}),
    words(I::UniversityBand56Words, "大学英语5-6级", "/yy56.eng", "bdcmune", "N6", "大学英语5-6级词汇", {}),
    words(I::GmatWords, "GMAT词汇", "/gmat.eng", {}, "m4d", "GMAT词汇", "单击进入GMAT单词练习..."),
    words(I::GreWords, "GRE英语词汇", "/gre.eng", {}, "m4f", "GRE词汇", "单击进入GRE单词练习..."),
    words(I::ToeflWords, "托福600分单词", "/tf6000.eng", {}, "m4g", "托福600", "单击进入托福600分单词练习..."),
    words(I::Sentences, "语句练习", "/yjlx.eng", {}, "m4h", "语句练习", "单击进入语句练习..."),
    // Built from the misses in the results history.
    ExerciseKind{I::WeakChars, P::Chinese, M::Chinese, false, false, false, kChinese, "薄弱字练习", {}, "weak-chars",
                 {}, {}, {}, {}, {}},
    ExerciseKind{I::WeakRadicalDrill, P::Radicals, M::Chinese, false, false, false, kChinese, "薄弱字根练习", {},
                 "weak-radicals", {}, {}, {}, {}, {}},
    ExerciseKind{I::WeakWords, P::Vocabulary, M::Word, false, false, false, kWords, "薄弱单词练习", {}, "weak-words",
                 {}, {}, {}, {}, {}},
};
}  // namespace

std::span<const ExerciseKind> exerciseKinds() { return kKinds; }

const ExerciseKind& exerciseKind(ExerciseId id) {
    for (const ExerciseKind& k : kKinds)
        if (k.id == id) return k;
    std::abort();  // every id has its row
}

bool musicSwitchOn(const Settings& s, MusicSwitch which) {
    switch (which) {
    case MusicSwitch::Chinese: return s.chineseMusic;
    case MusicSwitch::English: return s.englishMusic;
    case MusicSwitch::Test: return s.testMusic;
    case MusicSwitch::Word: return s.wordMusic;
    }
    return false;
}
