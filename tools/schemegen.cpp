// Builds the code books and drill lessons of one input scheme beside Wubi.
//   schemegen SCHEME OUTDIR WORDS [CODES] [EXCLUSIONS]
// WORDS: a pinyin table with weights (text, syllables, weight), in the scheme's script
//   (the simplified table, or its conversion to traditional characters): it gives the
//   characters and words, their frequency and the pinyin of words.
// CODES: the cangjie table (cangjie5, quick5), the toned pinyin table (zhuyin), or "-".
// Code books, one entry a line, CR LF, most frequent first:
//   jaxo.sy1 .. jaxo4.sy4   item directly followed by its code; syllables or the codes
//   of the characters of a word are parted by one blank; double pinyin adds "=" and the
//   syllables; "#n" ends the code when the item is the n-th candidate of its keys (n > 1)
// Lessons as for Wubi: gpz.jxo characters; ezcz.jxo, shzcz.jxo, szcz.jxo words.
#include "gbconv.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace {

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> parts;
    size_t start = 0;
    for (;;) {
        const auto p = s.find(sep, start);
        parts.push_back(s.substr(start, p == std::string::npos ? std::string::npos : p - start));
        if (p == std::string::npos) return parts;
        start = p + 1;
    }
}

// The rows after the "..." line that ends a table's header.
std::vector<std::vector<std::string>> tableRows(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<std::vector<std::string>> rows;
    bool body = false;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!body) {
            body = line == "...";
            continue;
        }
        if (line.empty() || line[0] == '#') continue;
        auto cols = split(line, '\t');
        if (cols.size() >= 2) rows.push_back(std::move(cols));
    }
    if (rows.empty()) throw std::runtime_error("no entries found in " + path);
    return rows;
}

// UTF-8 characters of a text.
std::vector<std::string> chars(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const size_t n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// ---- Double pinyin: a syllable is an initial key and a final key.
struct DoubleMap {
    std::map<std::string, char> initials;  // zh, ch, sh
    std::map<std::string, char> finals;    // every final of two or more letters
};

const DoubleMap& doubleMap(const std::string& scheme) {
    static const DoubleMap xiaohe{{{"zh", 'v'}, {"ch", 'i'}, {"sh", 'u'}},
                                  {{"iu", 'q'}, {"ei", 'w'}, {"uan", 'r'}, {"van", 'r'}, {"ue", 't'}, {"ve", 't'},
                                   {"un", 'y'}, {"vn", 'y'}, {"uo", 'o'}, {"ie", 'p'}, {"ong", 's'}, {"iong", 's'},
                                   {"ing", 'k'}, {"uai", 'k'}, {"ai", 'd'}, {"en", 'f'}, {"eng", 'g'}, {"iang", 'l'},
                                   {"uang", 'l'}, {"ang", 'h'}, {"ian", 'm'}, {"an", 'j'}, {"ou", 'z'}, {"ia", 'x'},
                                   {"ua", 'x'}, {"iao", 'n'}, {"ao", 'c'}, {"ui", 'v'}, {"in", 'b'}}};
    static const DoubleMap ziranma{{{"zh", 'v'}, {"ch", 'i'}, {"sh", 'u'}},
                                   {{"iu", 'q'}, {"ia", 'w'}, {"ua", 'w'}, {"uan", 'r'}, {"van", 'r'}, {"ue", 't'},
                                    {"ve", 't'}, {"ing", 'y'}, {"uai", 'y'}, {"uo", 'o'}, {"un", 'p'}, {"vn", 'p'},
                                    {"ong", 's'}, {"iong", 's'}, {"iang", 'd'}, {"uang", 'd'}, {"en", 'f'},
                                    {"eng", 'g'}, {"ang", 'h'}, {"an", 'j'}, {"iao", 'c'}, {"ao", 'k'}, {"ai", 'l'},
                                    {"ei", 'z'}, {"ie", 'x'}, {"ui", 'v'}, {"ou", 'b'}, {"in", 'n'}, {"ian", 'm'}}};
    if (scheme == "shuangpin-ziranma") return ziranma;
    return xiaohe;
}

// Two keys for a toneless syllable ("" when it has no double-pinyin form).
std::string doubleKeys(const DoubleMap& m, std::string syl) {
    if (syl.empty()) return {};
    for (const auto& [from, to] : std::map<std::string, std::string>{{"lue", "lve"}, {"nue", "nve"}})
        if (syl == from) syl = to;
    if (syl == "a" || syl == "o" || syl == "e") return syl + syl;
    const bool vowelFirst = syl[0] == 'a' || syl[0] == 'o' || syl[0] == 'e';
    if (vowelFirst) {
        // A syllable without an initial: its first letter, then its final's key.
        if (syl.size() == 2) return syl;
        const auto f = m.finals.find(syl);
        return f == m.finals.end() ? std::string() : std::string(1, syl[0]) + f->second;
    }
    std::string initial(1, syl[0]);
    std::string rest = syl.substr(1);
    if (syl.size() > 2 && syl[1] == 'h' && m.initials.count(syl.substr(0, 2))) {
        initial = std::string(1, m.initials.at(syl.substr(0, 2)));
        rest = syl.substr(2);
    }
    if (rest.size() == 1) return initial + rest;  // a single vowel is its own key, ü on v
    const auto f = m.finals.find(rest);
    return f == m.finals.end() ? std::string() : initial + f->second;
}

// ---- Zhuyin from toned pinyin ("de5" gives ㄉㄜ˙).
std::string zhuyin(std::string syl) {
    if (syl.empty()) return {};
    int tone = 1;
    if (syl.back() >= '1' && syl.back() <= '5') {
        tone = syl.back() - '0';
        syl.pop_back();
    }
    static const std::vector<std::pair<std::string, std::string>> kInitials = {
        {"zh", "ㄓ"}, {"ch", "ㄔ"}, {"sh", "ㄕ"}, {"b", "ㄅ"}, {"p", "ㄆ"}, {"m", "ㄇ"}, {"f", "ㄈ"}, {"d", "ㄉ"},
        {"t", "ㄊ"},  {"n", "ㄋ"},  {"l", "ㄌ"},  {"g", "ㄍ"}, {"k", "ㄎ"}, {"h", "ㄏ"}, {"j", "ㄐ"}, {"q", "ㄑ"},
        {"x", "ㄒ"},  {"r", "ㄖ"},  {"z", "ㄗ"},  {"c", "ㄘ"}, {"s", "ㄙ"}};
    static const std::map<std::string, std::string> kFinals = {
        {"a", "ㄚ"},     {"o", "ㄛ"},     {"e", "ㄜ"},     {"ai", "ㄞ"},    {"ei", "ㄟ"},   {"ao", "ㄠ"},
        {"ou", "ㄡ"},    {"an", "ㄢ"},    {"en", "ㄣ"},    {"ang", "ㄤ"},   {"eng", "ㄥ"},  {"er", "ㄦ"},
        {"i", "ㄧ"},     {"ia", "ㄧㄚ"},  {"ie", "ㄧㄝ"},  {"iao", "ㄧㄠ"}, {"iu", "ㄧㄡ"}, {"ian", "ㄧㄢ"},
        {"in", "ㄧㄣ"},  {"iang", "ㄧㄤ"}, {"ing", "ㄧㄥ"}, {"u", "ㄨ"},    {"ua", "ㄨㄚ"}, {"uo", "ㄨㄛ"},
        {"uai", "ㄨㄞ"}, {"ui", "ㄨㄟ"},  {"uan", "ㄨㄢ"}, {"un", "ㄨㄣ"},  {"uang", "ㄨㄤ"}, {"ong", "ㄨㄥ"},
        {"v", "ㄩ"},     {"ve", "ㄩㄝ"},  {"van", "ㄩㄢ"}, {"vn", "ㄩㄣ"},  {"iong", "ㄩㄥ"}};
    // y and w spell a final without an initial.
    static const std::map<std::string, std::string> kBare = {
        {"yi", "i"},    {"ya", "ia"},  {"ye", "ie"},   {"yao", "iao"}, {"you", "iu"},  {"yan", "ian"},
        {"yin", "in"},  {"yang", "iang"}, {"ying", "ing"}, {"yong", "iong"}, {"yu", "v"}, {"yue", "ve"},
        {"yuan", "van"}, {"yun", "vn"}, {"wu", "u"},    {"wa", "ua"},   {"wo", "uo"},   {"wai", "uai"},
        {"wei", "ui"},  {"wan", "uan"}, {"wen", "un"},  {"wang", "uang"}, {"weng", "ong"}, {"yo", "o"}};
    std::string out, fin = syl;
    if (const auto b = kBare.find(syl); b != kBare.end()) {
        fin = b->second;
    } else {
        for (const auto& [py, zy] : kInitials) {
            if (syl.rfind(py, 0) != 0) continue;
            out = zy;
            fin = syl.substr(py.size());
            if ((py == "j" || py == "q" || py == "x") && !fin.empty() && fin[0] == 'u') fin[0] = 'v';
            break;
        }
        if (out.empty() && syl == "r") return {};
        // zhi, chi, shi, ri, zi, ci, si are the initial alone.
        static const std::unordered_set<std::string> kAlone = {"zh", "ch", "sh", "r", "z", "c", "s"};
        if (fin == "i" && kAlone.count(syl.substr(0, syl.size() - 1))) fin.clear();
    }
    if (fin == "ue") fin = "ve";
    if (!fin.empty()) {
        const auto f = kFinals.find(fin);
        if (f == kFinals.end()) return {};
        out += f->second;
    }
    if (out.empty()) return {};
    static const char* kTones[] = {"", "", "ˊ", "ˇ", "ˋ", "˙"};
    return out + kTones[tone];
}

struct Entry {
    std::string text;  // UTF-8
    std::string gb;
    std::string code;  // as shown in the book
    std::string key;   // what is typed, for the candidate order
    long long weight = 0;
    size_t order = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4 || argc > 6) {
        std::cerr << "usage: schemegen SCHEME OUTDIR WORDS [CODES] [EXCLUSIONS]\n";
        return 2;
    }
    try {
        const std::string scheme = argv[1], outDir = argv[2];
        const bool doublePinyin = scheme.rfind("shuangpin-", 0) == 0;
        const bool cangjie = scheme == "cangjie5" || scheme == "quick5";
        const bool zhuyinScheme = scheme == "zhuyin";
        if (!doublePinyin && !cangjie && !zhuyinScheme && scheme != "pinyin")
            throw std::runtime_error("unknown scheme " + scheme);
        if ((cangjie || zhuyinScheme) && argc < 5) throw std::runtime_error(scheme + " needs its code table");
        GbConverter gb;

        // Cangjie codes, or the toned readings with their share, per character.
        std::unordered_map<std::string, std::string> cangjieCode;
        std::unordered_map<std::string, std::vector<std::pair<std::string, double>>> readings;
        if (cangjie) {
            for (const auto& r : tableRows(argv[4])) {
                const std::string& c = r[1];
                // x and z begin the codes of hard and special characters, not learnt ones.
                if (c.empty() || c[0] == 'x' || c[0] == 'z' || cangjieCode.count(r[0])) continue;
                cangjieCode[r[0]] = scheme == "quick5" && c.size() > 2 ? std::string{c.front(), c.back()} : c;
            }
        } else if (zhuyinScheme) {
            for (const auto& r : tableRows(argv[4])) {
                if (chars(r[0]).size() != 1) continue;
                const double share = r.size() > 2 && !r[2].empty() ? std::atof(r[2].c_str()) : 100.0;
                readings[r[0]].emplace_back(r[1], share);
            }
            for (auto& [c, v] : readings)
                std::stable_sort(v.begin(), v.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
        }
        // The toned reading of a character that fits a toneless syllable.
        auto toned = [&](const std::string& ch, const std::string& syl) -> std::string {
            const auto it = readings.find(ch);
            if (it == readings.end()) return {};
            for (const auto& [py, share] : it->second)
                if (py.substr(0, py.size() - 1) == syl || py == syl) return py;
            return {};
        };
        const DoubleMap& dm = doubleMap(scheme);

        // The code of an item from its characters and its syllables.
        auto codeOf = [&](const std::string& text, const std::vector<std::string>& syllables) -> std::string {
            const auto cs = chars(text);
            std::string code;
            for (size_t i = 0; i < cs.size(); ++i) {
                std::string part;
                if (cangjie) {
                    const auto c = cangjieCode.find(cs[i]);
                    if (c != cangjieCode.end()) part = c->second;
                } else if (i < syllables.size()) {
                    const std::string& s = syllables[i];
                    if (doublePinyin) part = doubleKeys(dm, s);
                    else if (zhuyinScheme) part = zhuyin(toned(cs[i], s));
                    else part = s;
                }
                if (part.empty()) return {};
                if (!code.empty()) code += ' ';
                code += part;
            }
            // Double pinyin shows the syllables after the keys.
            if (doublePinyin) code += "=" + std::string(syllables.empty() ? "" : syllables[0]);
            for (size_t i = 1; doublePinyin && i < syllables.size(); ++i) code += " " + syllables[i];
            return code;
        };

        std::vector<Entry> items[5];
        std::unordered_map<std::string, size_t> seen[5];
        size_t order = 0;
        std::string g;
        for (const auto& r : tableRows(argv[3])) {
            const auto cs = chars(r[0]);
            const size_t n = cs.size();
            if (n < 1 || n > 4) continue;
            const auto syllables = split(r[1], ' ');
            if (syllables.size() != n) continue;
            if (!gb.convert(r[0], g) || !allTwoByte(g) || g.size() != 2 * n) continue;
            const long long w = r.size() > 2 ? std::atoll(r[2].c_str()) : 0;
            const auto s = seen[n].find(r[0]);
            if (s != seen[n].end()) {
                // A second reading: the item keeps its heaviest one.
                Entry& e = items[n][s->second];
                if (w <= e.weight) continue;
                const std::string code = codeOf(r[0], syllables);
                if (code.empty()) continue;
                e.code = code;
                e.weight = w;
                continue;
            }
            const std::string code = codeOf(r[0], syllables);
            if (code.empty()) continue;
            seen[n][r[0]] = items[n].size();
            items[n].push_back({r[0], g, code, {}, w, order++});
        }
        if (items[1].empty()) throw std::runtime_error("no characters with a code for " + scheme);

        const char* bookNames[5] = {"", "jaxo.sy1", "jaxo2.sy2", "jaxo3.sy3", "jaxo4.sy4"};
        for (int n = 1; n <= 4; ++n) {
            auto& v = items[n];
            std::stable_sort(v.begin(), v.end(), [](const Entry& a, const Entry& b) {
                return a.weight != b.weight ? a.weight > b.weight : a.order < b.order;
            });
            // The candidate place: how many heavier items of the same length share the keys.
            std::unordered_map<std::string, int> taken;
            std::string book;
            for (Entry& e : v) {
                e.key = e.code.substr(0, e.code.find('='));
                e.key.erase(std::remove(e.key.begin(), e.key.end(), ' '), e.key.end());
                const int place = ++taken[e.key];
                std::string line = e.code;
                if (place > 1) line += "#" + std::to_string(place);
                if (!gb.convert(line, g)) throw std::runtime_error("no GB18030 form for the code " + line);
                book += e.gb + g + "\r\n";
            }
            writeGbFile(outDir + "/" + bookNames[n], book);
            std::cout << scheme << "/" << bookNames[n] << ": " << v.size() << " entries\n";
        }

        std::unordered_set<std::string> excluded;
        if (argc == 6) {
            std::ifstream ex(argv[5], std::ios::binary);
            if (!ex) throw std::runtime_error(std::string("cannot read ") + argv[5]);
            for (std::string w; std::getline(ex, w);) {
                if (!w.empty() && w.back() == '\r') w.pop_back();
                if (!w.empty() && w[0] != '#') excluded.insert(w);
            }
        }
        // Simplified lessons keep to the first level of GB2312, as Wubi's do; traditional
        // ones to characters that every traditional face has, the two-byte ones.
        const bool traditional = cangjie || zhuyinScheme;
        auto lesson = [&](const std::vector<Entry>& v, size_t limit, const char* name, size_t atLeast) {
            std::string text;
            size_t count = 0;
            for (const Entry& e : v) {
                if (count == limit) break;
                if (e.weight <= 0 || excluded.count(e.text) || (!traditional && !allGb2312Level1(e.gb))) continue;
                text += e.gb;
                ++count;
            }
            if (count < atLeast)
                throw std::runtime_error(std::string(name) + ": only " + std::to_string(count) + " items");
            writeGbFile(outDir + "/" + name, text);
        };
        lesson(items[1], 1500, "gpz.jxo", 1000);
        lesson(items[2], 3000, "ezcz.jxo", 1000);
        lesson(items[3], 1500, "shzcz.jxo", 500);
        lesson(items[4], 1500, "szcz.jxo", 500);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "schemegen: " << e.what() << "\n";
        return 1;
    }
}
