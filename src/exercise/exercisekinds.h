#pragma once
// Every exercise the learner can start, with what tells them apart: the panel that
// runs it, its music switch, whether it is a test, its titles, its text file, the
// history kind it is recorded under and the tool-bar control that starts it.
#include "common/bytetext.h"

#include <QtGlobal>

#include <span>
#include <string_view>

struct Settings;

enum class ExerciseId {
    RadicalDrill,
    WeakRadicalDrill,
    HighFrequency,
    TwoKeyCodes,
    ThreeKeyCodes,
    TwoCharPhrases,
    ThreeCharPhrases,
    FourCharPhrases,
    // The key drills of the other input schemes (schemedrill/).
    PinyinKeys,
    XiaoheKeys,
    ZiranmaKeys,
    CangjieKeys,
    QuickKeys,
    ZhuyinKeys,
    // Wubi's radicals and codes in rows an adaptive model picks (schemedrill/adaptivekeys).
    WubiRadicalsAdaptive,
    WubiCodesAdaptive,
    ChineseArticles,
    ChineseAdaptive,
    WeakChars,
    ChineseTestFromStart,
    ChineseTestAtRandom,
    EnglishTestFromStart,
    EnglishTestAtRandom,
    EnglishBeginner,
    EnglishIntermediate,
    EnglishAdvanced,
    EnglishArticles,
    EnglishAdaptive,
    PrimaryWords,
    JuniorWords,
    SeniorWords,
    UniversityBand14Words,
    UniversityBand56Words,
    GmatWords,
    GreWords,
    ToeflWords,
    Sentences,
    WeakWords,
    ReviewChars,
    ReviewKeys,
    ReviewWords,
    // The learner's own lessons, started from the 自定义练习 window.
    OwnChinese,
    OwnEnglish,
    OwnWords,
};

enum class ExercisePanel { Radicals, Chinese, English, Vocabulary, SchemeKeys };

// The settings switch that decides whether music plays while the exercise runs.
enum class MusicSwitch { Chinese, English, Test, Word };

struct ExerciseKind {
    ExerciseId id;
    ExercisePanel panel;
    MusicSwitch music;
    bool test;         // timed against the test limit, left only by the forced exit
    bool randomStart;  // a test from a random place of its text
    bool latinText;    // typed as plain keys on the Chinese page (the English tests)
    // The titles the panel and the report show (UTF-8).
    std::string_view modeTitle;
    std::string_view lessonTitle;
    // Read from the program folder at the start ("/gpz.jxo"); empty: no file (the radical
    // drills, or a text the program makes).
    std::string_view file;
    std::string_view historyKind;  // see history/kinds.h
    // The tool bar: the page, the drop-down menu it is an item of (empty: a button of
    // its own), the control's object name, caption and status hint. A kind without a
    // control is started from the results history.
    std::string_view page;
    std::string_view menu;
    std::string_view control;
    std::string_view caption;
    std::string_view hint;
};

// Every kind, in the order of the tool bar.
std::span<const ExerciseKind> exerciseKinds();
const ExerciseKind& exerciseKind(ExerciseId id);

// Whether the kind's music switch is on: the one place the switches are read for an
// exercise.
bool musicSwitchOn(const Settings& s, MusicSwitch which);

// A title, caption or hint of the table in the learner's language; any other text (a
// lesson's own title) as it stands. Sessions keep the source text: it is what is recorded.
QString kindText(std::string_view source);
QString shownTitle(const ByteText& title);
