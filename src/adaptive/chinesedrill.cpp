#include "adaptive/chinesedrill.h"

#include "common/randomsource.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <unordered_set>

namespace adaptive {

namespace {
ByteText readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return ByteText((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A character's length in bytes in GB18030: one for ASCII, four where the second byte
// is a digit, else two.
size_t charLength(const ByteText& t, size_t at) {
    const auto b = static_cast<unsigned char>(t[at]);
    if (b < 0x81 || at + 1 >= t.size()) return 1;
    const auto b2 = static_cast<unsigned char>(t[at + 1]);
    return b2 >= '0' && b2 <= '9' && at + 3 < t.size() ? 4 : 2;
}

bool chinese(const ByteText& c) { return !c.empty() && static_cast<unsigned char>(c[0]) >= 0x81; }
}  // namespace

std::vector<ByteText> characters(const ByteText& text) {
    std::vector<ByteText> out;
    for (size_t i = 0; i < text.size();) {
        const size_t n = charLength(text, i);
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

ItemSource wubiSource(const std::string& appDir) {
    ItemSource s;
    std::unordered_set<ByteText> seen;
    for (const ByteText& c : characters(readFile(appDir + "/gpz.jxo"))) {
        if (!chinese(c) || !seen.insert(c).second) continue;
        s.order.push_back(c);
        if (static_cast<int>(s.order.size()) == kChineseItems) break;
    }
    // The word lessons run their words together: each file's words have one length.
    const std::pair<const char*, size_t> lessons[] = {{"/ezcz.jxo", 2}, {"/shzcz.jxo", 3}, {"/szcz.jxo", 4}};
    for (const auto& [name, length] : lessons) {
        std::vector<ByteText> run;
        for (const ByteText& c : characters(readFile(appDir + name))) {
            if (!chinese(c)) {
                run.clear();  // a line break or a blank starts the count afresh
                continue;
            }
            run.push_back(c);
            if (run.size() < length) continue;
            ByteText word;
            for (const ByteText& x : run) word += x;
            if (seen.insert(word).second) s.words.push_back(word);
            run.clear();
        }
    }
    return s;
}

ChineseDrill::ChineseDrill(ItemSource source)
    : model_(std::move(source.order), kChineseStarting), words_(std::move(source.words)) {
    for (size_t w = 0; w < words_.size(); ++w)
        for (const ByteText& c : characters(words_[w]))
            if (model_.indexOf(c) >= 0) wordsOf_[c].push_back(static_cast<int>(w));
}

ByteText ChineseDrill::lesson(int count, RandomSource& random) {
    if (model_.size() == 0) return {};
    if (model_.unlockIfReady(targets_)) unlocked_ = true;
    const Model::Draw draw(model_, targets_);
    ByteText out;
    int placed = 0;
    // The focus opens the lesson, so that the weakest is met at once.
    int pick = model_.indexOf(focus());
    while (placed < count) {
        const ByteText& c = model_.item(pick);
        const auto words = wordsOf_.find(c);
        // Every other time inside a word, where one holds it.
        if (words != wordsOf_.end() && random.next() % 2 == 0) {
            const ByteText& w = words_[static_cast<size_t>(words->second[static_cast<size_t>(random.next()) % words->second.size()])];
            out += w;
            placed += static_cast<int>(characters(w).size());
        } else {
            out += c;
            ++placed;
        }
        pick = draw.next(random);
    }
    return out;
}

void ChineseDrill::committed(const std::vector<ByteText>& expected, const std::vector<ByteText>& typed, std::int64_t nowMs) {
    if (expected.empty()) return;
    const auto n = static_cast<std::int64_t>(expected.size());
    const std::int64_t interval = lastCommit_ < 0 ? -1 : nowMs - lastCommit_;
    // A pause is no typing time, however many characters the commit brought.
    const int share = interval < 0 || interval > kLongestInterval * n ? -1 : static_cast<int>(interval / n);
    lastCommit_ = nowMs;
    for (size_t i = 0; i < expected.size(); ++i)
        model_.record(expected[i], i < typed.size() && typed[i] == expected[i], share);
}

}  // namespace adaptive
