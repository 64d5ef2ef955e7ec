#include "adaptive/englishdrill.h"

#include "common/randomsource.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace adaptive {

namespace {
bool isLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

Model englishModel() {
    std::vector<std::string> order;
    for (char c : kEnglishOrder) order.emplace_back(1, c);
    return Model(std::move(order), kEnglishStarting);
}

std::uint32_t letterMask(std::string_view letters) {
    std::uint32_t m = 0;
    for (char c : letters)
        if (isLetter(c)) m |= 1u << (lower(c) - 'a');
    return m;
}

void WordPool::addText(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        if (!isLetter(text[i])) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < text.size() && isLetter(text[j])) ++j;
        // A run touching a byte of a Chinese character is no English word.
        const bool clean = (i == 0 || static_cast<unsigned char>(text[i - 1]) < 0x80) &&
                           (j == text.size() || static_cast<unsigned char>(text[j]) < 0x80);
        std::string w(text.substr(i, j - i));
        std::transform(w.begin(), w.end(), w.begin(), lower);
        // No vowel: an abbreviation, not a word to type.
        if (clean && j - i >= 2 && j - i <= 10 && w.find_first_of("aeiouy") != std::string::npos) {
            if (seen_.insert(w).second) {
                masks_.push_back(letterMask(w));
                words_.push_back(std::move(w));
                cachedAllowed_ = 0;
            }
        }
        i = j;
    }
}

void WordPool::addWordList(std::string_view list) {
    while (!list.empty()) {
        const size_t end = std::min(list.find('\n'), list.size());
        const std::string_view line = list.substr(0, end);
        addText(line.substr(0, std::min(line.find('*'), line.size())));
        list.remove_prefix(std::min(end + 1, list.size()));
    }
}

const std::vector<int>& WordPool::candidates(std::uint32_t allowed, char focus) const {
    if (allowed != cachedAllowed_ || focus != cachedFocus_) {
        cached_.clear();
        const std::uint32_t need = letterMask(std::string_view(&focus, 1));
        for (size_t i = 0; i < masks_.size(); ++i)
            if ((masks_[i] & ~allowed) == 0 && (masks_[i] & need)) cached_.push_back(static_cast<int>(i));
        cachedAllowed_ = allowed;
        cachedFocus_ = focus;
    }
    return cached_;
}

ByteText WordPool::line(std::uint32_t allowed, char focus, int maxBytes, RandomSource& random) const {
    const std::vector<int>& words = candidates(allowed, focus);
    ByteText out;
    int last = -1;
    for (int tries = 0; tries < 64; ++tries) {
        std::string_view w;
        int pick = -1;
        if (words.empty()) {
            // No word of these letters holds the key: the key alone, still in focus.
            w = std::string_view(&focus, 1);
        } else {
            pick = words[static_cast<size_t>(random.next()) % words.size()];
            // The same word twice running only where there is no other.
            if (pick == last && words.size() > 1) continue;
            w = words_[static_cast<size_t>(pick)];
        }
        const size_t need = out.size() + (out.empty() ? 0 : 1) + w.size();
        if (need > static_cast<size_t>(maxBytes)) {
            if (out.empty()) continue;  // a long word: try a shorter one
            break;
        }
        if (!out.empty()) out += ' ';
        out += w;
        last = pick;
    }
    return out;
}

void addProgramWords(WordPool& pool, const std::string& appDir) {
    // Not the fingering lessons: their runs of letters are drills, not words.
    static constexpr std::string_view kSources[] = {"/elesson.txt", "/xxyy.eng", "/czhyy.eng", "/gzhyy.eng", "/yy14.eng",
                                                    "/yy56.eng",    "/tf6000.eng", "/gre.eng", "/gmat.eng"};
    for (std::string_view name : kSources) {
        std::ifstream in(appDir + std::string(name), std::ios::binary);
        if (!in) continue;
        const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (name.ends_with(".eng"))
            pool.addWordList(text);
        else
            pool.addText(text);
    }
}

char EnglishDrill::focus() const { return model_.focus(targets_).front(); }

std::string EnglishDrill::inPlay() const {
    std::string s;
    for (int i = 0; i < model_.inPlay(); ++i) s += model_.item(i);
    return s;
}

ByteText EnglishDrill::nextLine(int maxBytes, RandomSource& random) {
    if (model_.unlockIfReady(targets_)) unlocked_ = true;
    return pool_.line(letterMask(inPlay()), focus(), maxBytes, random);
}

void EnglishDrill::stroke(char expected, char typed, std::int64_t nowMs) {
    const int interval = lastStroke_ < 0 ? -1 : static_cast<int>(std::min<std::int64_t>(nowMs - lastStroke_, kLongestInterval + 1));
    lastStroke_ = nowMs;
    // Upper case counts for its letter; a blank is between words, not a key to learn.
    model_.record(std::string(1, lower(expected)), expected == typed, interval);
}

}  // namespace adaptive
