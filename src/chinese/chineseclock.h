#pragma once
// The clock of the Chinese panel and the ways an exercise on it ends.
#include "exercise/exercisescore.h"
#include "settings/settings.h"
#include "chinese/chinesepage.h"

#include <optional>

namespace chinese {

// What of the panel the endings change; the panel shows it.
struct PanelFlags {
    bool panelVisible = false;
    bool timerOn = false;
    bool nextPageVisible = true;   // chinanextpage
    bool chinaExitVisible = true;  // chinaexit: practice "退出"
    bool exitExitVisible = false;  // exitexit: test "退出"
    bool hintBarVisible = true;    // wbxhelp
};

enum class Ending {
    PracticeExit,    // "退出" in practice
    PracticeEscape,  // Escape in practice
    PracticeLimit,   // the practice time limit
    TestLimit,       // the test time limit
    ForcedExit,      // a test left after "Yes" to the question: no score
};

// What the exercise's end does after the panel is hidden.
using EndingEffect = ExerciseEnd;

// Runs an ending on the state, the page (its line in progress is counted) and the
// panel's flags; the caller then carries out the effect in its order: tool bar, main
// screen, report.
EndingEffect endExercise(Ending ending, ExerciseScore& s, Page& page, PanelFlags& flags,
                         const ByteText& clockCaption);

// The flags of a test start: no "下一页", no practice "退出", no hint bar.
void showTestButtons(PanelFlags& flags);

struct TickResult {
    ByteText caption;               // for chinatime1 and chinatime2
    std::optional<Ending> ending;   // the time limit was reached
};

// One tick at nowMs (Clock::msecs()): the clock text, and the ending once the limit of
// a test or a practice is reached.
TickResult tick(const ExerciseScore& s, const Settings& settings, std::int64_t nowMs);

}  // namespace chinese
