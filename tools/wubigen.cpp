// Builds the four Wubi code books and the Chinese drill lessons from the Wubi 86 table
// (lines of text, code, weight).
//   wubigen TABLE OUTDIR [EXCLUSIONS]
// Code books, one entry a line, CR LF, most frequent first:
//   jaxo.sy1   character, 5 bytes (its shortest code), 5-byte code field (full code)
//   jaxo2.sy2  two-character word directly followed by its 5-byte code field
//   jaxo3.sy3, jaxo4.sy4 likewise for three and four characters
// Lessons (no line breaks, two-byte GB2312 characters only):
//   gpz.jxo most frequent characters; ejjm.jxo two-letter short codes; sjjm.jxo
//   three-letter short codes; ezcz.jxo, shzcz.jxo, szcz.jxo frequent words.
// EXCLUSIONS (UTF-8, one word a line, "#" comments) lists words the lessons leave out:
// the table's frequencies come from web pages, whose most frequent items include
// brand names, Japanese words and fragments that are no words at all.
#include "gbconv.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

struct Item {
    std::string gb;            // the text in GB18030
    std::string fullCode;      // the longest code (ties: the heavier)
    long long fullWeight = -1;
    std::string shortCode;     // the shortest code (ties: the heavier)
    long long shortWeight = -1;
    long long weight = 0;      // the heaviest weight of any of its codes
    size_t order = 0;          // first appearance in the table
};

bool isCode(const std::string& c) {
    if (c.empty() || c.size() > 4) return false;
    for (char ch : c)
        if (ch < 'a' || ch > 'y') return false;  // z is the wildcard key, never a code
    return true;
}

std::vector<std::string> split(const std::string& line, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const auto p = line.find(sep, start);
        parts.push_back(line.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos) return parts;
        start = p + 1;
    }
}

std::string pad5(const std::string& code) { return code + std::string(5 - code.size(), ' '); }

// The first occurrence, on a character boundary, of every stretch of `width` bytes
// that starts on one; a single pass, so the check stays linear in the book's size.
std::unordered_map<std::string_view, size_t> firstOccurrences(const std::string& book, size_t width) {
    std::unordered_map<std::string_view, size_t> first;
    first.reserve(book.size() / 2);
    const std::string_view b = book;
    for (size_t i = 0; i + width <= b.size();) {
        first.emplace(b.substr(i, width), i);
        const auto c = static_cast<unsigned char>(b[i]);
        i += (c >= 0x81 && c != 0xFF && i + 1 < b.size()) ? 2 : 1;
    }
    return first;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: wubigen TABLE OUTDIR [EXCLUSIONS]\n";
        return 2;
    }
    try {
        const std::string table = argv[1], outDir = argv[2];
        std::ifstream in(table, std::ios::binary);
        if (!in) throw std::runtime_error("cannot read the Wubi table " + table + " (Debian package rime-data-wubi)");

        GbConverter gb;
        // Items by character count (1 to 4), keyed by their UTF-8 text.
        std::unordered_map<std::string, Item> items[5];
        std::string line, g;
        bool body = false;
        size_t order = 0;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!body) {
                body = line == "...";
                continue;
            }
            if (line.empty() || line[0] == '#') continue;
            const auto cols = split(line, '\t');
            if (cols.size() < 2 || !isCode(cols[1])) continue;
            if (!gb.convert(cols[0], g) || g.empty() || !allTwoByte(g) || g.size() > 8) continue;
            const size_t chars = g.size() / 2;
            long long w = 0;
            if (cols.size() > 2 && !cols[2].empty()) w = std::atoll(cols[2].c_str());
            Item& it = items[chars][cols[0]];
            if (it.gb.empty()) {
                it.gb = g;
                it.order = order++;
            }
            const std::string& c = cols[1];
            if (c.size() > it.fullCode.size() || (c.size() == it.fullCode.size() && w > it.fullWeight)) {
                it.fullCode = c;
                it.fullWeight = w;
            }
            if (it.shortCode.empty() || c.size() < it.shortCode.size() ||
                (c.size() == it.shortCode.size() && w > it.shortWeight)) {
                it.shortCode = c;
                it.shortWeight = w;
            }
            it.weight = std::max(it.weight, w);
        }
        if (!body || items[1].empty()) throw std::runtime_error("no entries found in " + table);

        auto byFrequency = [](std::unordered_map<std::string, Item>& m) {
            std::vector<const Item*> v;
            v.reserve(m.size());
            for (auto& [k, it] : m) v.push_back(&it);
            std::sort(v.begin(), v.end(), [](const Item* a, const Item* b) {
                return a->weight != b->weight ? a->weight > b->weight : a->order < b->order;
            });
            return v;
        };

        // Code books.
        const char* bookNames[5] = {"", "jaxo.sy1", "jaxo2.sy2", "jaxo3.sy3", "jaxo4.sy4"};
        std::vector<const Item*> sorted[5];
        for (int n = 1; n <= 4; ++n) {
            sorted[n] = byFrequency(items[n]);
            std::string book;
            for (const Item* it : sorted[n]) {
                book += it->gb;
                if (n == 1) book += pad5(it->shortCode);
                book += pad5(it->fullCode);
                book += "\r\n";
            }
            // Every item must be found first at its own entry, or its hint would be wrong.
            const auto first = firstOccurrences(book, static_cast<size_t>(2 * n));
            size_t offset = 0;
            for (const Item* it : sorted[n]) {
                const auto found = first.find(it->gb);
                if (found == first.end() || found->second != offset)
                    throw std::runtime_error(std::string(bookNames[n]) + ": an item is found before its own entry");
                offset += it->gb.size() + (n == 1 ? 10 : 5) + 2;
            }
            writeGbFile(outDir + "/" + bookNames[n], book);
            std::cout << bookNames[n] << ": " << sorted[n].size() << " entries\n";
        }

        std::unordered_set<std::string> excluded;
        if (argc == 4) {
            std::ifstream ex(argv[3], std::ios::binary);
            if (!ex) throw std::runtime_error(std::string("cannot read ") + argv[3]);
            for (std::string w; std::getline(ex, w);) {
                if (!w.empty() && w.back() == '\r') w.pop_back();
                if (w.empty() || w[0] == '#') continue;
                if (!gb.convert(w, g)) throw std::runtime_error("not convertible: " + w);
                excluded.insert(g);
            }
        }

        // The short-code lessons keep to GB2312; the others to its first level, the
        // 3,755 most common characters, so that no traditional or rare form turns up.
        auto lesson = [&](const std::vector<const Item*>& v, size_t limit, const char* name, size_t atLeast,
                          bool commonOnly = true) {
            std::string text;
            size_t count = 0;
            for (const Item* it : v) {
                if (count == limit) break;
                if (!(commonOnly ? allGb2312Level1(it->gb) : allGb2312(it->gb)) || excluded.count(it->gb)) continue;
                text += it->gb;
                ++count;
            }
            if (count < atLeast)
                throw std::runtime_error(std::string(name) + ": only " + std::to_string(count) + " items");
            writeGbFile(outDir + "/" + name, text);
            std::cout << name << ": " << count << " items\n";
        };
        lesson(sorted[1], 1500, "gpz.jxo", 1500);

        std::vector<const Item*> two, three;
        for (const Item* it : sorted[1]) {
            if (it->shortCode.size() == 2) two.push_back(it);
            if (it->shortCode.size() == 3) three.push_back(it);
        }
        // The two-level short codes key by key, as they are learnt.
        std::stable_sort(two.begin(), two.end(), [](const Item* a, const Item* b) { return a->shortCode < b->shortCode; });
        lesson(two, two.size(), "ejjm.jxo", 300, false);
        lesson(three, 2000, "sjjm.jxo", 1500);
        lesson(sorted[2], 3000, "ezcz.jxo", 2000);
        lesson(sorted[3], 1500, "shzcz.jxo", 1000);
        lesson(sorted[4], 1500, "szcz.jxo", 1000);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "wubigen: " << e.what() << "\n";
        return 1;
    }
}
