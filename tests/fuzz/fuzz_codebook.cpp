// Code books: the indexed search against the plain scan of the whole text, and the
// hint captions built from what they find.
#include "chinese/codehints.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string line = in.text();
    const int column = in.byte() - 2;
    std::array<CodeBook, 4> books;
    for (int j = 0; j < 3; ++j) books[static_cast<size_t>(j)].loadText(in.text());
    books[3].loadText(in.rest());

    // The index finds what the scan finds: the first match on a character boundary.
    for (const CodeBook& b : books) {
        for (long long from = 1; from <= static_cast<long long>(line.size()) + 1; ++from)
            for (long long n : {1, 2, 3, 4, 6, 8})
                FUZZ_CHECK(b.find(bytes::copy(line, from, n)) == b.findByScan(bytes::copy(line, from, n)));
        // Every piece of the book itself is found at or before where it stands.
        const std::string& t = b.text();
        for (size_t i = 0; i < t.size() && i < 64; i += 3) {
            const std::string piece = t.substr(i, 2 + i % 5);
            const int at = b.find(piece);
            FUZZ_CHECK(at == b.findByScan(piece));
            if (at >= 0) FUZZ_CHECK(t.compare(static_cast<size_t>(at), piece.size(), piece) == 0);
        }
    }

    // Each caption is empty or the item, three blanks and the five bytes of its code.
    chinese::HintBar bar;
    chinese::showCodeHints({&books[0], &books[1], &books[2], &books[3]}, line, column, bar);
    for (int j = 1; j <= 4; ++j) {
        const ByteText& caption = bar.caption[static_cast<size_t>(j - 1)];
        const ByteText item = bytes::copy(line, column, 2 * j);
        const CodeBook& b = books[static_cast<size_t>(j - 1)];
        const int at = b.findByScan(item);
        if (at < 0) {
            FUZZ_CHECK(caption.empty());
            continue;
        }
        FUZZ_CHECK(caption == item + "   " + bytes::copy(b.text(), at + chinese::kCodeDistance[static_cast<size_t>(j - 1)], 5));
        // What the label shows is a start of the caption without control bytes.
        const ByteText shown = chinese::displayCaption(caption);
        FUZZ_CHECK(caption.compare(0, shown.size(), shown) == 0);
        for (char ch : shown) FUZZ_CHECK(static_cast<unsigned char>(ch) >= 0x20);
    }
    return 0;
}
