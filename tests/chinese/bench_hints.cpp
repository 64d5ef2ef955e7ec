// Benchmark, not a test: the cost of the code books and of one key release.
//   bench_hints [APPDIR]
// Prints the load and index time of the four real code books, then the time of one
// check (hints at the caret, marks, counting, hand-over) over 10,000 simulated key
// releases typing an article, once through the real checking code with the indexed
// books and once with each hint found by scanning its whole book.
#include "chinese/chinesecheck.h"
#include "chinese/codebook.h"
#include "chinese/codehints.h"
#include "common/linestore.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kReleases = 10000;
const char* const kBooks[4] = {"/jaxo.sy1", "/jaxo2.sy2", "/jaxo3.sy3", "/jaxo4.sy4"};

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The hint step as it was before the index: every item scanned for in its whole book.
void scanHints(const chinese::CodeBooks& books, std::string_view line, int column, chinese::HintBar& bar) {
    for (int j = 1; j <= 4; ++j) {
        const ByteText hintPrefix = bytes::copy(line, column, 2 * j);
        const CodeBook& book = *books[j - 1];
        const int foundPos = book.findByScan(hintPrefix);
        if (foundPos == -1) {
            bar.caption[j - 1].clear();
            continue;
        }
        const ByteText foundCode = bytes::copy(book.text(), foundPos + chinese::kCodeDistance[j - 1], 5);
        if (j >= 2)
            for (int other = 2; other <= 4; ++other) bar.visible[other - 1] = other == j;
        bar.caption[j - 1] = hintPrefix + "   " + foundCode;
    }
}

struct Stats {
    double median = 0, p99 = 0, total = 0;
};

Stats stats(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    Stats st;
    st.median = us[us.size() / 2];
    st.p99 = us[static_cast<size_t>(static_cast<double>(us.size()) * 0.99)];
    for (double v : us) st.total += v;
    return st;
}

// Types the article character by character, every seventh one wrong, one key release
// per character; returns the time of each release in microseconds.
template <typename Release>
std::vector<double> typeArticle(const std::string& lesson, Release release, int* counted) {
    ExerciseScore s;
    chinese::Page page;
    page.lessonSize = bytes::length(lesson);
    page.lessonPos = 1;
    chinese::HintBar bar;
    chinese::fillPage(page, lesson);
    std::vector<double> times;
    times.reserve(kReleases);
    for (int i = 0; i < kReleases; ++i) {
        const int k = page.writable;
        ByteText edit = page.input[k];
        ByteText next = bytes::copy(page.text[k], bytes::length(edit) + 1, 2);
        if (next.size() < 2 || i % 7 == 0) next = "\xA1\xA1";
        edit += next;
        const int caret = bytes::length(edit);
        const auto t0 = Clock::now();
        release(page, bar, s, k, std::move(edit), caret);
        times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    *counted = s.rightCount + s.wrongCount;
    return times;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string appDir = argc > 1 ? argv[1] : JAXO_BUILD_APPDIR;
    try {
        CodeBook books[4];
        auto t0 = Clock::now();
        for (int n = 0; n < 4; ++n) books[n].loadFile(appDir + kBooks[n]);
        const double loadOnly = ms(Clock::now() - t0);
        // The index is built by the first search.
        t0 = Clock::now();
        for (int n = 0; n < 4; ++n) books[n].find("\xD6\xD0");
        const double indexOnly = ms(Clock::now() - t0);
        const chinese::CodeBooks b{&books[0], &books[1], &books[2], &books[3]};

        LineStore article;
        article.loadFile(appDir + "/clesson.txt");
        const std::string lesson = article.text();

        int countedIndexed = 0, countedScan = 0;
        const auto indexed = typeArticle(
            lesson,
            [&](chinese::Page& page, chinese::HintBar& bar, ExerciseScore& s, int k, ByteText edit, int caret) {
                chinese::lineChanged(page, bar, s, lesson, b, k, std::move(edit), caret);
            },
            &countedIndexed);
        const auto scanned = typeArticle(
            lesson,
            [&](chinese::Page& page, chinese::HintBar& bar, ExerciseScore& s, int k, ByteText edit, int caret) {
                page.input[k] = std::move(edit);
                scanHints(b, page.text[k], caret + 1, bar);
                if (!chinese::checkLine(page, s, k, caret).full) return;
                if (k + 1 < chinese::kLineCount)
                    page.writable = k + 1;
                else
                    chinese::fillPage(page, lesson);
            },
            &countedScan);
        if (countedIndexed != countedScan) {
            std::fprintf(stderr, "bench_hints: the two runs counted differently (%d, %d)\n", countedIndexed, countedScan);
            return 1;
        }

        std::printf("code books: %d + %d + %d + %d bytes\n", bytes::length(books[0].text()),
                    bytes::length(books[1].text()), bytes::length(books[2].text()), bytes::length(books[3].text()));
        std::printf("load of the four books: %.1f ms; their index (at the first search): %.1f ms\n", loadOnly, indexOnly);
        const Stats si = stats(indexed), ss = stats(scanned);
        std::printf("%d key releases (%d units counted)\n", kReleases, countedIndexed);
        std::printf("  indexed books: median %.2f us, p99 %.2f us, total %.1f ms\n", si.median, si.p99, si.total / 1000);
        std::printf("  scanned books: median %.2f us, p99 %.2f us, total %.1f ms\n", ss.median, ss.p99, ss.total / 1000);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "bench_hints: %s\n", e.what());
        return 1;
    }
}
