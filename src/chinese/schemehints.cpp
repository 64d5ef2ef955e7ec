#include "chinese/schemehints.h"

#include <QCoreApplication>

#include <array>

namespace chinese {
namespace {

// The Cangjie radical of each key a to y.
constexpr std::array<std::string_view, 25> kRadicals = {"日", "月", "金", "木", "水", "火", "土", "竹", "戈",
                                                        "十", "大", "中", "一", "弓", "人", "心", "手", "口",
                                                        "尸", "廿", "山", "女", "田", "難", "卜"};

std::string radicalsOf(std::string_view code) {
    std::string out;
    for (char c : code)
        if (c >= 'a' && c <= 'y') out += kRadicals[static_cast<size_t>(c - 'a')];
    return out;
}

std::string upper(std::string_view code) {
    std::string out(code);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string joined(std::string_view code, char sep) {
    std::string out(code);
    for (char& c : out)
        if (c == ' ') c = sep;
    return out;
}

}  // namespace

ByteText schemeCaption(const scheme::Scheme& s, std::string_view field) {
    std::string_view code = field;
    int place = 0;
    if (const size_t hash = code.rfind('#'); hash != std::string_view::npos) {
        for (char c : code.substr(hash + 1)) place = c >= '0' && c <= '9' ? place * 10 + (c - '0') : place;
        code = code.substr(0, hash);
    }
    ByteText out;
    switch (s.style) {
    case scheme::CodeStyle::Syllables: out = joined(code, '\''); break;
    case scheme::CodeStyle::KeyPairs: {
        const size_t eq = code.find('=');
        std::string keys(code.substr(0, eq));
        std::erase(keys, ' ');
        out = keys;
        if (eq != std::string_view::npos) {
            out += " (";
            out += joined(code.substr(eq + 1), '\'');
            out += ')';
        }
        break;
    }
    case scheme::CodeStyle::Radicals:
        out = upper(code);
        // A character's radicals are named; a word's keys alone fill the row.
        if (code.find(' ') == std::string_view::npos) {
            out += ' ';
            out += bytes::gb(radicalsOf(code));
        }
        break;
    case scheme::CodeStyle::Zhuyin:
    case scheme::CodeStyle::Wubi: out = ByteText(code); break;
    }
    if (place > 1) {
        const QString note = QCoreApplication::translate("SchemeHints", "选第%1个").arg(place);
        out += ' ';
        out += bytes::fromUnicode(note);
    }
    return out;
}

void showSchemeHints(const scheme::Scheme& s, const CodeBooks& books, std::string_view line, int column, HintBar& bar) {
    for (int j = 1; j <= 4; ++j) {
        const ByteText item = bytes::copy(line, column, 2 * j);
        const CodeBook& book = *books[static_cast<size_t>(j - 1)];
        ByteText& caption = bar.caption[static_cast<size_t>(j - 1)];
        const int found = item.size() == static_cast<size_t>(2 * j) ? book.find(item) : -1;
        if (found == -1) {
            caption.clear();
            continue;
        }
        const std::string_view text = book.text();
        const size_t from = static_cast<size_t>(found) + item.size();
        const size_t end = text.find('\r', from);
        const std::string_view field = text.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
        if (j >= 2)
            for (int other = 2; other <= 4; ++other) bar.visible[static_cast<size_t>(other - 1)] = other == j;
        caption = item;
        caption += "   ";
        caption += schemeCaption(s, field);
    }
}

void showHintsFor(const scheme::Scheme* s, const CodeBooks& books, std::string_view line, int column, HintBar& bar) {
    if (!s || s->style == scheme::CodeStyle::Wubi)
        showCodeHints(books, line, column, bar);
    else
        showSchemeHints(*s, books, line, column, bar);
}

}  // namespace chinese
