#pragma once
// The history row of a score report that opened: its figures as shown, its kind named
// from the exercise's titles, and what the checking code noted as missed.
#include "exercise/mainwindowstate.h"
#include "history/historystore.h"
#include "report/scorereport.h"

namespace history {

// "radicals", "chinese", "chinese-test", "english", "english-test", "vocabulary", and
// for the lessons built from the misses (lesson titles "薄弱字练习" and "薄弱字根练习")
// "weak-chars" and "weak-radicals".
QString kindOf(const ByteText& modeTitle, const ByteText& lessonTitle);

// `opened`: when the report opened; the session started its elapsed time earlier.
Session sessionFromReport(const MainWindowState& s, const ScoreReport& r, const QDateTime& opened);

}  // namespace history
