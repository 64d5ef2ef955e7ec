#include "chinese/chineseclock.h"

#include "chinese/chinesecheck.h"
#include "exercise/exerciseclock.h"

namespace chinese {

namespace {
void practiceButtons(PanelFlags& f) {
    f.nextPageVisible = true;
    f.chinaExitVisible = true;
    f.exitExitVisible = false;
    f.hintBarVisible = true;
}
}  // namespace

void showTestButtons(PanelFlags& f) {
    f.nextPageVisible = false;
    f.chinaExitVisible = false;
    f.hintBarVisible = false;
    f.exitExitVisible = true;
}

EndingEffect endExercise(Ending ending, ExerciseScore& s, Page& page, PanelFlags& f, const ByteText& clockCaption) {
    EndingEffect fx{false, false, false};
    f.timerOn = false;
    f.panelVisible = false;
    f.hintBarVisible = true;
    switch (ending) {
    case Ending::PracticeExit:
    case Ending::PracticeEscape:
        s.elapsedText = clockCaption;
        finalCount(page, s);
        fx.enableToolBar = true;
        fx.openReport = true;
        break;
    case Ending::PracticeLimit:
        // The tool bar comes back when the report closes.
        s.elapsedText = clockCaption;
        finalCount(page, s);
        fx.openReport = true;
        break;
    case Ending::TestLimit:
        s.elapsedText = clockCaption;
        finalCount(page, s);
        practiceButtons(f);
        fx.enableToolBar = true;
        fx.openReport = true;
        break;
    case Ending::ForcedExit:
        practiceButtons(f);
        fx.restoreMainScreen = true;
        break;
    }
    return fx;
}

TickResult tick(const ExerciseScore& s, const Settings& settings, std::int64_t nowMs) {
    const bool test = runningTest(s);
    const ClockTick t = clockTick(s.startMs, nowMs, test ? settings.testMinutes : settings.practiceMinutes);
    TickResult r;
    r.caption = t.text;
    if (t.limitReached) r.ending = test ? Ending::TestLimit : Ending::PracticeLimit;
    return r;
}

}  // namespace chinese
