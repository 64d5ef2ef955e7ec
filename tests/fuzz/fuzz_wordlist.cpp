// Word lists: any text read as a list, its entries shown and answered.
#include "common/elapsed.h"
#include "common/linestore.h"
#include "common/randomsource.h"
#include "fuzz.h"
#include "vocabulary/worddrill.h"

#include <array>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const int draws = in.byte() % 8;
    const int answers = in.byte() % 16;
    std::vector<std::string> typed;
    for (int i = 0; i < answers; ++i) typed.push_back(in.text());
    std::array<int, 8> clock{};
    for (int& b : clock) b = in.byte();
    LineStore list;
    list.loadText(in.rest());

    ExerciseScore s;
    Settings cfg;
    RandomSource random;
    for (int i = 0; i < draws; ++i) random.next();
    WordDrill drill(s, cfg, list, random);
    drill.start(0, "list");
    // The entry on show is nothing yet, or a line of the list with a "*": the word
    // before the first one and the meaning after it.
    auto checkEntry = [&] {
        const ByteText entry = drill.word() + "*" + drill.meaning();
        bool found = entry == "*";
        for (int i = 0; i < list.count() && !found; ++i) found = list.line(i) == entry;
        FUZZ_CHECK(found);
    };
    checkEntry();
    int right = 0;
    for (const std::string& t : typed) {
        const ByteText word = drill.word();
        const WordDrill::Mark m = drill.answer(t);
        FUZZ_CHECK((m == WordDrill::Mark::Right) == (t == word));
        right += m == WordDrill::Mark::Right ? 1 : 0;
        checkEntry();
    }
    FUZZ_CHECK(s.rightCount == right && s.rightCount + s.wrongCount == answers);

    // Ticks up to a day late: a well formed time, and the limit reached exactly when the
    // time gone by reaches it, shown as the limit itself.
    std::int64_t now = 0;
    for (size_t i = 0; i < clock.size(); i += 2) {
        now += std::int64_t{clock[i]} * clock[i] * 1300;
        cfg.wordMinutes = 1 + clock[i + 1] % 60;
        const bool limit = drill.tick(now);
        const ByteText& c = drill.clockText();
        FUZZ_CHECK(c.size() >= 7 && c[c.size() - 3] == ':' && c[c.size() - 6] == ':');
        FUZZ_CHECK(limit == (elapsed::seconds(now) >= cfg.wordMinutes * 60));
        FUZZ_CHECK(c == elapsed::text(limit ? cfg.wordMinutes * 60 : elapsed::seconds(now)));
    }
    return 0;
}
