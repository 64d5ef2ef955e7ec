#include "chinese/codehints.h"

namespace chinese {

void showCodeHints(MainWindowState& s, const CodeBooks& books, std::string_view line, int column, HintBar& bar) {
    for (int j = 1; j <= 4; ++j) s.hintPrefix[j] = bytes::copy(line, column, 2 * j);
    for (int j = 1; j <= 4; ++j) {
        const CodeBook& book = *books[j - 1];
        ByteText& caption = bar.caption[j - 1];
        s.foundPos = book.find(s.hintPrefix[j]);
        if (s.foundPos == -1) {
            caption.clear();
            continue;
        }
        s.foundCode = bytes::copy(book.text(), s.foundPos + kCodeDistance[j - 1], 5);
        if (j >= 2) {
            // The longest word found wins the second row: later books are longer.
            for (int other = 2; other <= 4; ++other) bar.visible[other - 1] = other == j;
        }
        caption = s.hintPrefix[j] + "   " + s.foundCode;
    }
}

}  // namespace chinese
