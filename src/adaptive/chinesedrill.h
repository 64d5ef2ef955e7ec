#pragma once
// The Chinese adaptive drill without widgets: the same model over characters. The
// characters enter in the order their scheme gives (commonest first), the weakest come
// back most, each often inside a word of the scheme's word lessons.
#include "adaptive/keymodel.h"
#include "common/bytetext.h"

#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class RandomSource;

namespace adaptive {

// What a scheme gives the drill: its characters in the order they enter and the words
// that hold them (in the program's byte encoding).
struct ItemSource {
    std::vector<ByteText> order;
    std::vector<ByteText> words;
};

// Wubi: the high-frequency characters lesson gives the order, the two-, three- and
// four-character word lessons the words. Missing files give fewer of either.
ItemSource wubiSource(const std::string& appDir);

inline constexpr int kChineseStarting = 10;
// The drill brings in at most this many characters; the rest are for the lessons.
inline constexpr int kChineseItems = 500;

// The characters of a text, each a byte sequence of one character.
std::vector<ByteText> characters(const ByteText& text);

class ChineseDrill {
public:
    explicit ChineseDrill(ItemSource source);

    Model& model() { return model_; }
    const Model& model() const { return model_; }
    Targets& targets() { return targets_; }

    // A lesson of about `count` characters: the next character enters first if every one
    // in play is at the targets; then the characters in play, the furthest from the
    // targets drawn most, each inside a word that holds it where there is one.
    ByteText lesson(int count, RandomSource& random);
    bool takeUnlocked() { return std::exchange(unlocked_, false); }
    const ByteText& focus() const { return model_.focus(targets_); }

    // Characters committed at nowMs where `expected` stood, typed as `typed` (an empty
    // typed: missing). Their time is shared out; a line's first commit is not timed.
    void committed(const std::vector<ByteText>& expected, const std::vector<ByteText>& typed, std::int64_t nowMs);
    void lineStarted() { lastCommit_ = -1; }

private:
    Model model_;
    Targets targets_{60, 95};
    std::unordered_map<ByteText, std::vector<int>> wordsOf_;
    std::vector<ByteText> words_;
    std::int64_t lastCommit_ = -1;
    bool unlocked_ = false;
};

}  // namespace adaptive
