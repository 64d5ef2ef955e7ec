#include "history/review.h"

#include "history/historystore.h"

#include <algorithm>
#include <cmath>

namespace history {

ReviewItem scheduled(const ReviewItem& before, bool passed, const QDate& day) {
    ReviewItem after = before;
    // SM-2's ease change for a grade of 4 (right) or 2 (wrong) out of 5.
    const int grade = passed ? 4 : 2;
    after.ease = std::max(kLowestEase, before.ease + 0.1 - (5 - grade) * (0.08 + (5 - grade) * 0.02));
    if (passed) {
        after.passes = before.passes + 1;
        // The miss gave the first interval (a day); the first pass gives six, and each
        // later one the last interval times the ease.
        after.intervalDays = after.passes == 1 ? 6 : std::max(1, int(std::lround(before.intervalDays * after.ease)));
    } else {
        after.passes = 0;
        after.lapses = before.lapses + 1;
        after.intervalDays = 1;
    }
    after.due = day.addDays(after.intervalDays);
    return after;
}

ReviewItem firstMiss(const QString& unit, const QString& item, const QDate& day) {
    ReviewItem r;
    r.unit = unit;
    r.item = item;
    r.intervalDays = 1;
    r.ease = kStartEase;
    r.due = day.addDays(1);
    return r;
}

QList<ReviewResult> reviewResults(const QString& unit, const QStringList& items, bool reachedAll,
                                  const QList<Miss>& misses) {
    QList<ReviewResult> out;
    if (!reachedAll) return out;
    for (const QString& item : items) {
        const bool missed = std::any_of(misses.begin(), misses.end(),
                                        [&](const Miss& m) { return m.unit == unit && m.expected == item; });
        out.append({unit, item, !missed});
    }
    return out;
}

QByteArray keyReviewLesson(const QStringList& keys) {
    QByteArray line;
    for (const QString& k : keys) {
        const QByteArray b = k.toLatin1();
        if (b.size() != 1) continue;
        line += b + b + ' ';
    }
    if (line.isEmpty()) return {};
    // Lines of about a page line each, one key group never split.
    QByteArray text;
    while (text.size() < 600) text += line;
    return text;
}

int keyCycle(const QStringList& keys) {
    // A stretch that starts just after one key's first letter needs the whole line and
    // the next group to hold every key.
    return int(keyReviewLesson(keys).indexOf(' ')) + 1 + 3 * int(keys.size());
}

}  // namespace history
