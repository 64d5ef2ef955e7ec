#pragma once
// The input schemes a learner can train, as data: one row per scheme drives its code
// books, its hint bar, its lessons and what the status bar and the help tell the
// learner to switch on. Wubi 86 keeps its own files in the data folder; every other
// scheme has the same file names in scheme/<id>/.
#include <QString>

#include <span>
#include <string>
#include <string_view>

namespace scheme {

// How a code is shown on the hint bar.
enum class CodeStyle {
    Wubi,       // the Wubi books' fixed fields
    Syllables,  // pinyin: syllables parted by an apostrophe
    KeyPairs,   // double pinyin: two keys a syllable, with the syllable's pinyin
    Radicals,   // cangjie and quick: the keys in capitals with their radical names
    Zhuyin,     // the symbols with the tone mark
};

struct Scheme {
    std::string_view id;    // kept in the choice file and the history
    std::string_view name;  // shown (translated in the "Scheme" context)
    CodeStyle style;
    bool traditional;       // lessons and articles in traditional characters
    std::string_view keys;  // the keys its codes use
    std::string_view table; // the Debian table it is built from
    // What to switch on: the fcitx5 input method and the IBus engine, by the names
    // their configuration tools show (the packages are in the help).
    std::string_view fcitx5;
    std::string_view ibus;
};

std::span<const Scheme> schemes();
const Scheme& wubi();
// The scheme of an id; nullptr for an unknown one.
const Scheme* find(std::string_view id);

// The scheme's name in the interface's language.
QString displayName(const Scheme& s);
// One sentence naming what to switch on for fcitx5 and IBus.
QString inputMethodAdvice(const Scheme& s);

// A file of the data folder for this scheme: Wubi's own, or scheme/<id>/<name>.
// name starts with "/".
std::string dataFile(const Scheme& s, const std::string& appDir, std::string_view name);

// The text file of a lesson ("/gpz.jxo"): the scheme's own where it has one, else the
// data folder's (the English texts, Wubi's short codes).
std::string lessonFile(const Scheme& s, const std::string& appDir, std::string_view name);

// Which Wubi lessons another scheme has as well: the characters, the words, the
// articles and the test text; the short-code drills are Wubi's alone.
bool hasLesson(const Scheme& s, std::string_view file);

}  // namespace scheme
