#pragma once
// The score of the running exercise: what its report and its history row read.
#include "common/bytetext.h"
#include "exercise/exercisekinds.h"
#include "exercise/misslog.h"

#include <cstdint>
#include <string_view>

struct ExerciseScore {
    const ExerciseKind* kind = nullptr;  // set at the start
    std::string_view scheme = "wubi86";  // the input scheme's id, set at the start
    std::int64_t startMs = 0;  // Clock::msecs() at the start
    int rightCount = 0;
    int wrongCount = 0;
    ByteText elapsedText;  // "h:mm:ss" as the clock showed it at the end
    ByteText modeTitle;
    ByteText lessonTitle;
    MissLog misses;  // of the running exercise; emptied with its counts
};

// What follows an ending once the panel is hidden, in this order.
struct ExerciseEnd {
    bool enableToolBar = true;       // the tool bar takes clicks again before the report
    bool restoreMainScreen = false;  // tool bar 90 high, enabled, main music as set
    bool openReport = true;
};

// A test runs: timed against the test limit, no score when left early.
inline bool runningTest(const ExerciseScore& s) { return s.kind && s.kind->test; }

// The vocabulary drill's report shows no speed and no rating.
inline bool showsSpeed(const ExerciseScore& s) { return !(s.kind && s.kind->panel == ExercisePanel::Vocabulary); }
