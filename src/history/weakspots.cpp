#include "history/weakspots.h"

#include "chinese/chinesepage.h"
#include "chinese/codehints.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace history {

std::vector<ByteText> weakCharacters(const QList<MissTally>& misses) {
    std::vector<ByteText> out;
    for (const MissTally& m : misses) {
        const ByteText c = bytes::fromUnicode(m.expected);
        // Only a whole two-byte character keeps the page's two-byte slicing in step.
        if (c.size() != 2 || bytes::charLength(c, 0) != 2) continue;
        if (std::find(out.begin(), out.end(), c) == out.end()) out.push_back(c);
    }
    return out;
}

ByteText weakCharLesson(const std::vector<ByteText>& characters) {
    if (characters.empty()) return {};
    const size_t perPage = static_cast<size_t>(chinese::kLineCount) * (chinese::kLineBytes / 2);
    ByteText text;
    text.reserve(perPage * kWeakLessonPages * 2);
    // Each page begins the cycle again, so every page opens with the most-missed.
    for (int page = 0; page < kWeakLessonPages; ++page)
        for (size_t i = 0; i < perPage; ++i) text += characters[i % characters.size()];
    return text;
}

ByteText charCode(const CodeBook& book, const ByteText& character) {
    const int found = book.find(character);
    if (found < 0 || character.empty()) return {};
    const ByteText field = bytes::copy(book.text(), found + chinese::kCodeDistance[0], 5);
    size_t begin = 0;
    while (begin < field.size() && field[begin] == ' ') ++begin;
    size_t end = begin;
    while (end < field.size() && static_cast<unsigned char>(field[end]) > 0x20) ++end;
    return field.substr(begin, end - begin);
}

ByteText codeKeys(const ByteText& code, const radicals::Table& table) {
    ByteText out;
    for (char c : code) {
        const char key = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        if (key < 'a' || key > 'z') continue;
        if (!out.empty()) out += ' ';
        out += key;
        // The first radical of a key in the table is its key name.
        for (int i = 0; i < radicals::kEntries; ++i) {
            const ByteText& entry = table[static_cast<size_t>(i)];
            if (radicals::keyOf(entry) == key) {
                out += radicals::radicalOf(entry);
                break;
            }
        }
    }
    return out;
}

char radicalKey(const ByteText& radical, const radicals::Table& table) {
    const int i = radicals::scan(table, radical);
    return i < 0 ? '\0' : radicals::keyOf(table[static_cast<size_t>(i)]);
}

std::vector<int> weakRadicalEntries(const QList<MissTally>& misses, const radicals::Table& table) {
    std::vector<int> out;
    for (const MissTally& m : misses) {
        const ByteText r = bytes::fromUnicode(m.expected);
        if (r.size() != 2) continue;
        const int i = radicals::scan(table, r);
        if (i >= 0 && std::find(out.begin(), out.end(), i) == out.end()) out.push_back(i);
    }
    return out;
}

QString rateText(double errorRate) {
    if (errorRate < 0) return QStringLiteral("—");
    // Under half a percent is not nothing.
    const double percent = errorRate * 100;
    return percent > 0 && percent < 0.5 ? QStringLiteral("<1%") : QStringLiteral("%1%").arg(std::lround(percent));
}

QString missesText(int misses, double errorRate) {
    if (errorRate < 0) return QCoreApplication::translate("history", "%n次", nullptr, misses);
    return QCoreApplication::translate("history", "%n次，错误率%1", nullptr, misses).arg(rateText(errorRate));
}

}  // namespace history
