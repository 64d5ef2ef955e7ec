// The line store's reading of a text: lines split at CR LF, CR and LF.
#include "common/linestore.h"
#include "fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string needle = in.text();
    const std::string added = in.text();
    const std::string t = in.rest();

    LineStore s;
    s.loadText(t);

    // The lines hold no break, and joined by CR LF they give the text.
    std::string joined;
    for (int i = 0; i < s.count(); ++i) {
        const ByteText line = s.line(i);
        FUZZ_CHECK(line.find_first_of("\r\n") == ByteText::npos);
        if (i > 0) joined += "\r\n";
        joined += line;
    }
    const bool finalBreak = !t.empty() && (t.back() == '\r' || t.back() == '\n');
    if (finalBreak) joined += "\r\n";
    FUZZ_CHECK(s.text() == joined);
    FUZZ_CHECK(s.line(-1).empty() && s.line(s.count()).empty());

    // As many lines as breaks, and one more for a last line without one.
    int breaks = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\n' || (t[i] == '\r' && !(i + 1 < t.size() && t[i + 1] == '\n'))) ++breaks;
    }
    FUZZ_CHECK(s.count() == breaks + (finalBreak || t.empty() ? 0 : 1));

    // Reading the store's own text gives the same store.
    LineStore again;
    again.loadText(s.text());
    FUZZ_CHECK(again.text() == s.text() && again.count() == s.count());

    FUZZ_CHECK(s.find(needle) == static_cast<int>(s.text().find(needle) == std::string::npos ? -1 : s.text().find(needle)));

    // An appended line is the last line and the text ends with it and a break.
    std::string line = added;
    for (char& ch : line)
        if (ch == '\r' || ch == '\n') ch = ' ';
    LineStore more = s;
    more.appendLine(line);
    FUZZ_CHECK(more.count() == s.count() + 1 && more.line(more.count() - 1) == line);
    FUZZ_CHECK(more.text().size() >= line.size() + 2 &&
               more.text().compare(more.text().size() - line.size() - 2, std::string::npos, line + "\r\n") == 0);
    LineStore reread;
    reread.loadText(more.text());
    FUZZ_CHECK(reread.count() == more.count());
    return 0;
}
