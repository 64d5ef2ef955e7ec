#pragma once
// The adaptive model over the items of a key drill (Wubi's key radicals, the Wubi codes of
// the commonest characters): which items make the next row, and each answer's time.
#include "adaptive/keymodel.h"
#include "schemedrill/schemekeys.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

class CodeBook;
class RandomSource;

namespace schemedrill {

inline constexpr int kRadicalsStarting = 8;
inline constexpr int kCodesStarting = 10;

// Wubi's key radicals, each answered by its key, in the order they enter: zone by zone
// as the keyboard groups them by first stroke (G F D S A, H J K L M, T R E W Q,
// Y U I O P, N B V C X), each key's own radical first. The chart: each key's radicals.
SchemeKeys wubiRadicals();

// The commonest characters (wubiSource's order) with their full codes from Wubi code
// book 1. A shorter code of the character that no commoner character has is right too,
// typed with Space after it, as an input method takes it.
SchemeKeys wubiCodes(const std::string& appDir, const CodeBook& book);

// Wubi code book 1 whatever scheme is chosen: the scheme's own when it is Wubi, else
// `own`, read from the data folder at the first call (empty when it cannot be read).
const CodeBook& wubiBook(bool schemeIsWubi, const CodeBook& schemeBook, const std::string& appDir, CodeBook& own);

class AdaptiveKeys {
public:
    AdaptiveKeys(const std::vector<KeyItem>& items, int starting);

    adaptive::Model& model() { return model_; }
    const adaptive::Model& model() const { return model_; }
    adaptive::Targets& targets() { return targets_; }
    const adaptive::Targets& targets() const { return targets_; }

    // A row of `count` items (indices): the next item enters first if every one in play
    // is at the targets; the focus opens the row, then the items in play, the furthest
    // from the targets drawn most, never the same one twice running.
    std::vector<int> row(int count, RandomSource& random);
    // An answer to item `item` judged at nowMs. Its time is the time since the answer
    // before; the first of a row is not timed.
    void answered(int item, bool right, std::int64_t nowMs);

    bool takeUnlocked() { return std::exchange(unlocked_, false); }
    const std::string& focus() const { return model_.focus(targets_); }

private:
    adaptive::Model model_;
    adaptive::Targets targets_{60, 95};
    std::int64_t lastAnswer_ = -1;
    bool unlocked_ = false;
};

}  // namespace schemedrill
