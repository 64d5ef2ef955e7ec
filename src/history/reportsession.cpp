#include "history/reportsession.h"

namespace history {

Session sessionFromReport(const ExerciseScore& s, const ScoreReport& r, const QDateTime& opened) {
    Session row;
    row.startedAt = opened.addSecs(-r.elapsedSeconds);
    // A score with no kind never came from a start; it counts as Chinese practice.
    row.kind = s.kind ? QString::fromLatin1(s.kind->historyKind.data(), static_cast<qsizetype>(s.kind->historyKind.size()))
                      : QStringLiteral("chinese");
    row.title = bytes::toUnicode(s.lessonTitle);
    row.scheme = QString::fromLatin1(s.scheme.data(), static_cast<qsizetype>(s.scheme.size()));
    row.right = s.rightCount;
    row.wrong = s.wrongCount;
    row.typed = row.right + row.wrong;
    row.seconds = r.elapsedSeconds;
    // Where the report hides speed and rating, the row has none either.
    row.perMinute = r.showSpeedAndRating ? r.speed : 0;
    row.rating = r.showSpeedAndRating ? r.ratingWords : QString();
    for (const MissLog::Entry& e : s.misses.entries())
        row.misses.append(
            Miss{QString::fromLatin1(e.unit), bytes::toUnicode(e.expected), bytes::toUnicode(e.typed), e.count});
    for (const MissLog::Tally& t : s.misses.tallies())
        row.tallies.append(Tally{QString::fromLatin1(t.unit), bytes::toUnicode(t.item), t.count});
    return row;
}

}  // namespace history
