#include "exercise/exercisekinds.h"

#include "settings/settings.h"

#include <QCoreApplication>

#include <array>
#include <cstdlib>

namespace {
using P = ExercisePanel;
using M = MusicSwitch;
using I = ExerciseId;

constexpr std::string_view kChinese = QT_TRANSLATE_NOOP("ExerciseKind", "中文练习");
constexpr std::string_view kEnglish = QT_TRANSLATE_NOOP("ExerciseKind", "英文练习");
constexpr std::string_view kWords = QT_TRANSLATE_NOOP("ExerciseKind", "轻轻松松背单词");
constexpr std::string_view kTest = QT_TRANSLATE_NOOP("ExerciseKind", "测试");

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
constexpr ExerciseKind schemeKeys(I id, std::string_view title, std::string_view control, std::string_view caption) {
    return {id, P::SchemeKeys, M::Chinese, false, false, false, kChinese, title, {}, "scheme-keys",
            "cool1", "jwPopupMenu", control, caption, {}};
}
constexpr ExerciseKind words(I id, std::string_view title, std::string_view file, std::string_view menu,
                             std::string_view control, std::string_view caption, std::string_view hint) {
    return {id, P::Vocabulary, M::Word, false, false, false, kWords, title, file, "vocabulary",
            "cool5", menu, control, caption, hint};
}

constexpr std::array kKinds = {
    ExerciseKind{I::RadicalDrill, P::Radicals, M::Chinese, false, false, false, kChinese, QT_TRANSLATE_NOOP("ExerciseKind", "字根练习"), {}, "radicals",
                 "cool1", {}, "m1a", QT_TRANSLATE_NOOP("ExerciseKind", "字根练习"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入五笔字根练习...")},
    lesson(I::HighFrequency, QT_TRANSLATE_NOOP("ExerciseKind", "高频字练习"), "/gpz.jxo", {}, "m1b", QT_TRANSLATE_NOOP("ExerciseKind", "高频字"), QT_TRANSLATE_NOOP("ExerciseKind", "单击此键进入高频字练习状态...")),
    lesson(I::TwoKeyCodes, QT_TRANSLATE_NOOP("ExerciseKind", "二级简码练习"), "/ejjm.jxo", {}, "m1c", QT_TRANSLATE_NOOP("ExerciseKind", "二级简码"), QT_TRANSLATE_NOOP("ExerciseKind", "单击此键进入二级简码练习状态...")),
    lesson(I::ThreeKeyCodes, QT_TRANSLATE_NOOP("ExerciseKind", "三级简码练习"), "/sjjm.jxo", {}, "m1d", QT_TRANSLATE_NOOP("ExerciseKind", "三级简码"), QT_TRANSLATE_NOOP("ExerciseKind", "单击此键进入三级简码练习状态...")),
    lesson(I::TwoCharPhrases, QT_TRANSLATE_NOOP("ExerciseKind", "二字词组练习"), "/ezcz.jxo", "czPopupMenu", "N7", QT_TRANSLATE_NOOP("ExerciseKind", "二字词组"), {}),
    lesson(I::ThreeCharPhrases, QT_TRANSLATE_NOOP("ExerciseKind", "三字词组练习"), "/shzcz.jxo", "czPopupMenu", "N9", QT_TRANSLATE_NOOP("ExerciseKind", "三字词组"), {}),
    lesson(I::FourCharPhrases, QT_TRANSLATE_NOOP("ExerciseKind", "四字词组练习"), "/szcz.jxo", "czPopupMenu", "N11", QT_TRANSLATE_NOOP("ExerciseKind", "四字词组"), {}),
    // Wubi first: it is the program's own scheme.
    schemeKeys(I::WubiRadicalsAdaptive, QT_TRANSLATE_NOOP("ExerciseKind", "智能字根练习"), "jw7", QT_TRANSLATE_NOOP("ExerciseKind", "五笔智能字根练习")),
    schemeKeys(I::WubiCodesAdaptive, QT_TRANSLATE_NOOP("ExerciseKind", "智能编码练习"), "jw8", QT_TRANSLATE_NOOP("ExerciseKind", "五笔智能编码练习")),
    schemeKeys(I::PinyinKeys, QT_TRANSLATE_NOOP("ExerciseKind", "全拼键位练习"), "jw1", QT_TRANSLATE_NOOP("ExerciseKind", "全拼")),
    schemeKeys(I::XiaoheKeys, QT_TRANSLATE_NOOP("ExerciseKind", "双拼（小鹤）键位练习"), "jw2", QT_TRANSLATE_NOOP("ExerciseKind", "双拼（小鹤）")),
    schemeKeys(I::ZiranmaKeys, QT_TRANSLATE_NOOP("ExerciseKind", "双拼（自然码）键位练习"), "jw3", QT_TRANSLATE_NOOP("ExerciseKind", "双拼（自然码）")),
    schemeKeys(I::CangjieKeys, QT_TRANSLATE_NOOP("ExerciseKind", "仓颉五代键位练习"), "jw4", QT_TRANSLATE_NOOP("ExerciseKind", "仓颉五代")),
    schemeKeys(I::QuickKeys, QT_TRANSLATE_NOOP("ExerciseKind", "速成键位练习"), "jw5", QT_TRANSLATE_NOOP("ExerciseKind", "速成")),
    schemeKeys(I::ZhuyinKeys, QT_TRANSLATE_NOOP("ExerciseKind", "注音键位练习"), "jw6", QT_TRANSLATE_NOOP("ExerciseKind", "注音")),
    lesson(I::ChineseArticles, QT_TRANSLATE_NOOP("ExerciseKind", "文章练习"), "/clesson.txt", {}, "m1f", QT_TRANSLATE_NOOP("ExerciseKind", "文章练习"), QT_TRANSLATE_NOOP("ExerciseKind", "单击此键进入文章练习状态...")),
    // A lesson made from the learner's figures for each character (adaptive/).
    ExerciseKind{I::ChineseAdaptive, P::Chinese, M::Chinese, false, false, false, kChinese, QT_TRANSLATE_NOOP("ExerciseKind", "中文智能练习"), {},
                 "chinese-adaptive", "cool1", {}, "m1h", QT_TRANSLATE_NOOP("ExerciseKind", "智能练习"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入中文智能练习：字按熟练程度逐个加入...")},
    english(I::EnglishBeginner, QT_TRANSLATE_NOOP("ExerciseKind", "英文初级练习"), "/ywcj.jxo", "m2a", QT_TRANSLATE_NOOP("ExerciseKind", "英文初级"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入英文初级指法练习...")),
    english(I::EnglishIntermediate, QT_TRANSLATE_NOOP("ExerciseKind", "英文中级练习"), "/ywzj.jxo", "m2b", QT_TRANSLATE_NOOP("ExerciseKind", "英文中级"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入英文中级指法练习...")),
    english(I::EnglishAdvanced, QT_TRANSLATE_NOOP("ExerciseKind", "英文高级练习"), "/ywgj.jxo", "m2c", QT_TRANSLATE_NOOP("ExerciseKind", "英文高级"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入英文高级指法练习...")),
    english(I::EnglishArticles, QT_TRANSLATE_NOOP("ExerciseKind", "英文文章练习"), "/elesson.txt", "m2d", QT_TRANSLATE_NOOP("ExerciseKind", "文章练习"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入英文文章练习...")),
    // Lines made as it goes from the learner's figures for each key (adaptive/).
    ExerciseKind{I::EnglishAdaptive, P::English, M::English, false, false, false, kEnglish, QT_TRANSLATE_NOOP("ExerciseKind", "英文智能练习"), {},
                 "english-adaptive", "cool2", {}, "m2e", QT_TRANSLATE_NOOP("ExerciseKind", "智能练习"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入英文智能练习：键按熟练程度逐个加入...")},
    test(I::ChineseTestFromStart, false, false, "MenuItem4", QT_TRANSLATE_NOOP("ExerciseKind", "顺序测试")),
    test(I::ChineseTestAtRandom, false, true, "MenuItem6", QT_TRANSLATE_NOOP("ExerciseKind", "随机测试")),
    test(I::EnglishTestFromStart, true, false, "MenuItem1", QT_TRANSLATE_NOOP("ExerciseKind", "顺序测试")),
    test(I::EnglishTestAtRandom, true, true, "MenuItem3", QT_TRANSLATE_NOOP("ExerciseKind", "随机测试")),
    words(I::PrimaryWords, QT_TRANSLATE_NOOP("ExerciseKind", "新版小学英语"), "/xxyy.eng", {}, "m4a", QT_TRANSLATE_NOOP("ExerciseKind", "小学英语"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入小学英文单词练习...")),
    words(I::JuniorWords, QT_TRANSLATE_NOOP("ExerciseKind", "新版初中英语"), "/czhyy.eng", {}, "m4b", QT_TRANSLATE_NOOP("ExerciseKind", "初中英语"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入初中英文单词练习...")),
    words(I::SeniorWords, QT_TRANSLATE_NOOP("ExerciseKind", "新版高中英语"), "/gzhyy.eng", {}, "m4e", QT_TRANSLATE_NOOP("ExerciseKind", "高中英语"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入高中英文单词练习...")),
    words(I::UniversityBand14Words, QT_TRANSLATE_NOOP("ExerciseKind", "大学英语1-4级"), "/yy14.eng", "bdcmune", "N5", QT_TRANSLATE_NOOP("ExerciseKind", "大学英语1-4级词汇"), {}),
    words(I::UniversityBand56Words, QT_TRANSLATE_NOOP("ExerciseKind", "大学英语5-6级"), "/yy56.eng", "bdcmune", "N6", QT_TRANSLATE_NOOP("ExerciseKind", "大学英语5-6级词汇"), {}),
    words(I::GmatWords, QT_TRANSLATE_NOOP("ExerciseKind", "GMAT词汇"), "/gmat.eng", {}, "m4d", QT_TRANSLATE_NOOP("ExerciseKind", "GMAT词汇"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入GMAT单词练习...")),
    words(I::GreWords, QT_TRANSLATE_NOOP("ExerciseKind", "GRE英语词汇"), "/gre.eng", {}, "m4f", QT_TRANSLATE_NOOP("ExerciseKind", "GRE词汇"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入GRE单词练习...")),
    words(I::ToeflWords, QT_TRANSLATE_NOOP("ExerciseKind", "托福600分单词"), "/tf6000.eng", {}, "m4g", QT_TRANSLATE_NOOP("ExerciseKind", "托福600"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入托福600分单词练习...")),
    words(I::Sentences, QT_TRANSLATE_NOOP("ExerciseKind", "语句练习"), "/yjlx.eng", {}, "m4h", QT_TRANSLATE_NOOP("ExerciseKind", "语句练习"), QT_TRANSLATE_NOOP("ExerciseKind", "单击进入语句练习...")),
    // Built from the misses in the results history.
    ExerciseKind{I::WeakChars, P::Chinese, M::Chinese, false, false, false, kChinese, QT_TRANSLATE_NOOP("ExerciseKind", "薄弱字练习"), {}, "weak-chars",
                 {}, {}, {}, {}, {}},
    ExerciseKind{I::WeakRadicalDrill, P::Radicals, M::Chinese, false, false, false, kChinese, QT_TRANSLATE_NOOP("ExerciseKind", "薄弱字根练习"), {},
                 "weak-radicals", {}, {}, {}, {}, {}},
    ExerciseKind{I::WeakWords, P::Vocabulary, M::Word, false, false, false, kWords, QT_TRANSLATE_NOOP("ExerciseKind", "薄弱单词练习"), {}, "weak-words",
                 {}, {}, {}, {}, {}},
    // The day's spaced review (今日复习), built from the schedule in the history.
    ExerciseKind{I::ReviewChars, P::Chinese, M::Chinese, false, false, false, kChinese, QT_TRANSLATE_NOOP("ExerciseKind", "今日复习：汉字"), {},
                 "review-chars", {}, {}, {}, {}, {}},
    ExerciseKind{I::ReviewKeys, P::English, M::English, false, false, false, kEnglish, QT_TRANSLATE_NOOP("ExerciseKind", "今日复习：按键"), {},
                 "review-keys", {}, {}, {}, {}, {}},
    ExerciseKind{I::ReviewWords, P::Vocabulary, M::Word, false, false, false, kWords, QT_TRANSLATE_NOOP("ExerciseKind", "今日复习：单词"), {},
                 "review-words", {}, {}, {}, {}, {}},
    // The learner's own texts: recorded under their own kinds, by the lesson's name.
    ExerciseKind{I::OwnChinese, P::Chinese, M::Chinese, false, false, false, kChinese, QT_TRANSLATE_NOOP("ExerciseKind", "自定义练习"), {}, "own-chinese",
                 {}, {}, {}, {}, {}},
    ExerciseKind{I::OwnEnglish, P::English, M::English, false, false, false, kEnglish, QT_TRANSLATE_NOOP("ExerciseKind", "自定义练习"), {}, "own-english",
                 {}, {}, {}, {}, {}},
    ExerciseKind{I::OwnWords, P::Vocabulary, M::Word, false, false, false, kWords, QT_TRANSLATE_NOOP("ExerciseKind", "自定义练习"), {}, "own-words",
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

QString kindText(std::string_view source) {
    const std::string text(source);
    return QCoreApplication::translate("ExerciseKind", text.c_str());
}

QString shownTitle(const ByteText& title) { return kindText(bytes::toUnicode(title).toStdString()); }
