#include "history/reportsession.h"

namespace history {

QString kindOf(const ByteText& modeTitle, const ByteText& lessonTitle) {
    const bool english = modeTitle == bytes::gb("英文练习");
    if (modeTitle == bytes::gb("轻轻松松背单词")) return QStringLiteral("vocabulary");
    if (lessonTitle == bytes::gb("测试")) return english ? QStringLiteral("english-test") : QStringLiteral("chinese-test");
    if (english) return QStringLiteral("english");
    if (lessonTitle == bytes::gb("字根练习")) return QStringLiteral("radicals");
    if (lessonTitle == bytes::gb("薄弱字根练习")) return QStringLiteral("weak-radicals");
    if (lessonTitle == bytes::gb("薄弱字练习")) return QStringLiteral("weak-chars");
    return QStringLiteral("chinese");
}

Session sessionFromReport(const MainWindowState& s, const ScoreReport& r, const QDateTime& opened) {
    Session row;
    row.startedAt = opened.addSecs(-r.elapsedSeconds);
    row.kind = kindOf(s.modeTitle, s.lessonTitle);
    row.title = bytes::toUnicode(s.lessonTitle);
    row.right = s.rightCount;
    row.wrong = s.wrongCount;
    row.typed = row.right + row.wrong;
    row.seconds = r.elapsedSeconds;
    // Where the report hides speed and rating, the row has none either.
    row.perMinute = r.showSpeedAndRating ? r.speed : 0;
    row.rating = r.showSpeedAndRating ? r.ratingWords : QString();
    row.misses = s.misses.misses();
    return row;
}

}  // namespace history
