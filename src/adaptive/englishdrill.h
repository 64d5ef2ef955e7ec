#pragma once
// The English adaptive drill without widgets: the keys in play, the key in focus, the
// strokes timed and counted into the model, and lines of real words from the keys in
// play, every word holding the key in focus.
#include "adaptive/keymodel.h"
#include "common/bytetext.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

class RandomSource;

namespace adaptive {

// The order the letters enter, commonest in English words first, and how many start.
inline constexpr std::string_view kEnglishOrder = "etaoinsrhldcumfpgwybvkxjqz";
inline constexpr int kEnglishStarting = 6;

Model englishModel();

// Words of plain letters from the program's own English texts and word lists.
class WordPool {
public:
    // Every run of 2 to 10 ASCII letters in text holding a vowel, lower-cased, once each.
    void addText(std::string_view text);
    // A word list: the word (or sentence) before the '*' of each line.
    void addWordList(std::string_view list);
    int size() const { return static_cast<int>(words_.size()); }

    // Words of the letters in `allowed` (bit 0 'a') holding `focus`.
    const std::vector<int>& candidates(std::uint32_t allowed, char focus) const;
    // Words joined by blanks up to maxBytes; none where no word fits (the key alone).
    ByteText line(std::uint32_t allowed, char focus, int maxBytes, RandomSource& random) const;
    const std::string& word(int i) const { return words_[static_cast<size_t>(i)]; }

private:
    std::vector<std::string> words_;
    std::vector<std::uint32_t> masks_;
    std::unordered_set<std::string> seen_;
    mutable std::uint32_t cachedAllowed_ = 0;
    mutable char cachedFocus_ = 0;
    mutable std::vector<int> cached_;
};

std::uint32_t letterMask(std::string_view letters);

// The program's own English, read from its data folder: the articles and the word lists. A file that cannot be read gives fewer words.
void addProgramWords(WordPool& pool, const std::string& appDir);

class EnglishDrill {
public:
    EnglishDrill() : model_(englishModel()) {}

    Model& model() { return model_; }
    const Model& model() const { return model_; }
    WordPool& pool() { return pool_; }
    Targets& targets() { return targets_; }
    const Targets& targets() const { return targets_; }

    // The next line to type: first the next key enters if every key in play is at
    // the targets, then words for the focus.
    ByteText nextLine(int maxBytes, RandomSource& random);
    // Whether a key entered since the last call.
    bool takeUnlocked() { return std::exchange(unlocked_, false); }
    char focus() const;
    std::string inPlay() const;

    // A key typed where `expected` was due, at nowMs; a line's first key is not timed.
    void stroke(char expected, char typed, std::int64_t nowMs);
    void lineStarted() { lastStroke_ = -1; }
    // A correction (Backspace) breaks the timing of the next key.
    void correction() { lastStroke_ = -1; }

private:
    Model model_;
    WordPool pool_;
    Targets targets_;
    std::int64_t lastStroke_ = -1;
    bool unlocked_ = false;
};

}  // namespace adaptive
