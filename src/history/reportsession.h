#pragma once
// The history row of a score report that opened: its figures as shown, its kind named
// by the exercise's kind, and what the checking code noted as missed.
#include "exercise/exercisescore.h"
#include "history/historystore.h"
#include "report/scorereport.h"

namespace history {

// `opened`: when the report opened; the session started its elapsed time earlier.
Session sessionFromReport(const ExerciseScore& s, const ScoreReport& r, const QDateTime& opened);

}  // namespace history
