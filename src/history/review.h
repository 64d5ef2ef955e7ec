#pragma once
// Spaced review of what the learner missed: every missed character, key and word gets a
// schedule, and the items due on a day make up that day's review.
//
// The schedule is SM-2: an item keeps an interval, an ease and a count of passes in a
// row. SM-2 rather than FSRS: a typing miss is a plain pass or fail, SM-2 needs no
// parameters fitted to a learner's past reviews (FSRS needs hundreds of them before its
// weights beat its defaults), and its three numbers per item fit a table row that a
// teacher can read.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace history {

struct Miss;
struct Session;

// The units that are reviewed, as recorded in misses.
inline const QStringList& reviewUnits() {
    static const QStringList units{QStringLiteral("char"), QStringLiteral("key"), QStringLiteral("word")};
    return units;
}

struct ReviewItem {
    QString unit;  // "char", "key" or "word"
    QString item;  // the character, key or word
    QDate due;
    int intervalDays = 0;
    double ease = 2.5;
    int passes = 0;  // passed reviews in a row
    int lapses = 0;  // times it was missed again
    bool operator==(const ReviewItem&) const = default;
};

// The result of one review of one item.
struct ReviewResult {
    QString unit;
    QString item;
    bool passed = false;
    bool operator==(const ReviewResult&) const = default;
};

inline constexpr double kStartEase = 2.5;
inline constexpr double kLowestEase = 1.3;

// The schedule after a miss or a review on `day`. A miss in any exercise counts as a
// failed review: the item is due the next day, its ease lowered. A pass moves it to one
// day, then six, then the last interval times the ease.
ReviewItem scheduled(const ReviewItem& before, bool passed, const QDate& day);
// A first miss: due the next day.
ReviewItem firstMiss(const QString& unit, const QString& item, const QDate& day);

// What a review session did to its items: each one fails when it is among the
// session's misses of its unit and passes otherwise. A review left before every item
// came up (reachedAll false) judges none: they stay due.
QList<ReviewResult> reviewResults(const QString& unit, const QStringList& items, bool reachedAll,
                                  const QList<Miss>& misses);

// The key review's text, a line of every key typed twice: "ff jj ;; ". Any stretch of
// it as long as keyCycle(keys) holds every key at least once.
QByteArray keyReviewLesson(const QStringList& keys);
int keyCycle(const QStringList& keys);

}  // namespace history
