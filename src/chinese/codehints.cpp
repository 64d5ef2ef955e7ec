#include "chinese/codehints.h"

namespace chinese {

void showCodeHints(const CodeBooks& books, std::string_view line, int column, HintBar& bar) {
    for (int j = 1; j <= 4; ++j) {
        // The next j characters, looked up in book j.
        const ByteText hintPrefix = bytes::copy(line, column, 2 * j);
        const CodeBook& book = *books[j - 1];
        ByteText& caption = bar.caption[j - 1];
        const int foundPos = book.find(hintPrefix);
        if (foundPos == -1) {
            caption.clear();
            continue;
        }
        const ByteText foundCode = bytes::copy(book.text(), foundPos + kCodeDistance[j - 1], 5);
        if (j >= 2) {
            // The longest word found wins the second row: later books are longer.
            for (int other = 2; other <= 4; ++other) bar.visible[other - 1] = other == j;
        }
        caption = hintPrefix + "   " + foundCode;
    }
}

bool hasCode(const CodeBooks& books, std::string_view character) {
    return !character.empty() && books[0] && books[0]->find(character) >= 0;
}

ByteText displayCaption(std::string_view caption) {
    size_t end = 0;
    for (size_t i = 0; i < caption.size();) {
        const auto b = static_cast<unsigned char>(caption[i]);
        if (b < 0x20) break;
        const size_t n = static_cast<size_t>(bytes::charLength(caption, i));
        if (b >= 0x81) {
            // Only a whole character is shown: a lead byte without its trail bytes is half
            // a character, and a damaged four-byte one may hide a line break.
            const auto at = [&](size_t k) { return static_cast<unsigned char>(caption[i + k]); };
            const bool whole = n == 2 ? at(1) >= 0x40
                                      : n == 4 && at(2) >= 0x81 && at(2) <= 0xFE && at(3) >= 0x30 && at(3) <= 0x39;
            if (!whole) break;
        }
        i += n;
        end = i;
    }
    return ByteText(caption.substr(0, end));
}

}  // namespace chinese
