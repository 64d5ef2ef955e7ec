#include "exercise/exerciserun.h"

#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "exercise/exercisehost.h"
#include "sound/music.h"

#include <QTimer>
#include <QWidget>

bool ExerciseRun::begin(const ExerciseKind& kind, const ByteText* generated, const ByteText* title) {
    ExerciseScore& s = host_.score();
    // Read into a store of its own, so a failure leaves the current one as it was.
    LineStore text;
    try {
        if (generated)
            text.loadText(*generated);
        else if (!kind.file.empty()) {
            const std::string path = host_.appDirectory() + std::string(kind.file);
            text.loadFile(path);
            // A word list shows a line at a time; a lesson is cut into pages, and the
            // longest shipped line is an article of 12,000 bytes.
            const QString unfit = text.practiceProblem(path, kind.panel == ExercisePanel::Vocabulary ? 1024 : 65536);
            if (!unfit.isEmpty()) throw JaxoError(unfit);
        }
    } catch (const JaxoError& e) {
        host_.showError(e);
        return false;
    }
    if (generated || !kind.file.empty()) host_.lessonStore() = std::move(text);

    host_.collapseToolBar();
    // Before anything else draws from the random source: the music draws first.
    if (musicSwitchOn(host_.settings(), kind.music))
        host_.sound().music();
    else
        host_.sound().nomusic();
    // Keys click in every exercise but those of the Chinese page.
    host_.sound().keySoundAhead(kind.panel != ExercisePanel::Chinese);
    s.kind = &kind;
    s.modeTitle = bytes::gb(kind.modeTitle);
    s.lessonTitle = title ? *title : bytes::gb(kind.lessonTitle);
    s.startMs = host_.clock().msecs();
    s.rightCount = 0;
    s.wrongCount = 0;
    s.misses.clear();
    panel_.show();
    panel_.raise();
    timer_.start();
    return true;
}

void ExerciseRun::end(const ExerciseEnd& how, const std::function<void()>& finish) {
    timer_.stop();
    if (finish) finish();
    panel_.hide();
    if (how.enableToolBar) host_.setToolBarEnabled(true);
    if (how.restoreMainScreen) host_.restoreMainScreen();
    if (how.openReport) host_.openReport();
}
