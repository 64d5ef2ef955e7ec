// Benchmark, not a test: the time to make the next line of the English adaptive drill.
//   bench_adaptive [APPDIR]
// Loads the program's own words, then makes 10,000 lines while a simulated learner
// types them (so the key in focus and the keys in play change as in a real drill),
// and prints the load time and the median, 99th percentile and worst time of a line,
// once as the drill runs and once with the word choice worked out afresh every line.
#include "adaptive/englishdrill.h"
#include "common/randomsource.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kLines = 10000;

struct Figures {
    double median = 0, p99 = 0, worst = 0;
    long over = 0;  // lines that took more than 1 ms (on a busy machine, mostly a preempted thread)
};

Figures figures(std::vector<double> us) {
    std::sort(us.begin(), us.end());
    const long over = std::count_if(us.begin(), us.end(), [](double v) { return v > 1000; });
    return {us[us.size() / 2], us[static_cast<size_t>(static_cast<double>(us.size()) * 0.99)], us.back(), over};
}

// Types a line: every key right, quicker each time the learner meets it.
void typeLine(adaptive::EnglishDrill& drill, const ByteText& line, std::int64_t& now, int lineNo) {
    drill.lineStarted();
    for (char c : line) {
        now += std::max(120, 420 - lineNo / 4);
        drill.stroke(c, c, now);
    }
}

std::vector<double> run(const adaptive::WordPool& words, bool fresh, int* inPlay) {
    adaptive::EnglishDrill drill;
    drill.pool() = words;
    RandomSource random;
    std::int64_t now = 0;
    std::vector<double> us;
    us.reserve(kLines);
    for (int i = 0; i < kLines; ++i) {
        ByteText line;
        if (fresh) {
            // A pool that has chosen nothing yet: the whole list is filtered again.
            adaptive::WordPool pristine = words;
            drill.model().unlockIfReady(drill.targets());
            const auto t0 = Clock::now();
            line = pristine.line(adaptive::letterMask(drill.inPlay()), drill.focus(), 66, random);
            us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        } else {
            const auto t0 = Clock::now();
            line = drill.nextLine(66, random);
            us.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        }
        typeLine(drill, line, now, i);
    }
    *inPlay = drill.model().inPlay();
    return us;
}
}  // namespace

int main(int argc, char** argv) {
    const std::string appDir = argc > 1 ? argv[1] : JAXO_BUILD_APPDIR;
    const auto t0 = Clock::now();
    adaptive::WordPool pool;
    adaptive::addProgramWords(pool, appDir);
    const double loadMs = std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
    std::printf("words from %s: %d distinct, loaded in %.1f ms\n", appDir.c_str(), pool.size(), loadMs);
    if (pool.size() == 0) {
        std::printf("no words found: give the program's data folder\n");
        return 1;
    }
    for (bool fresh : {false, true}) {
        int inPlay = 0;
        const Figures f = figures(run(pool, fresh, &inPlay));
        std::printf("%-32s median %6.1f us   p99 %6.1f us   worst %8.1f us   over 1 ms: %ld of %d lines"
                    "   (%d keys in play at the end)\n",
                    fresh ? "next line, choice made afresh:" : "next line, as the drill runs:", f.median, f.p99, f.worst,
                    f.over, kLines, inPlay);
    }
    std::printf("target: under 1000 us a line\n");
    return 0;
}
