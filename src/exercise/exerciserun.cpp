#include "exercise/exerciserun.h"

#include <QCoreApplication>

#include "common/errors.h"
#include "common/linestore.h"
#include "common/platform.h"
#include "exercise/exercisehost.h"
#include "exercise/livefigures.h"
#include "sound/music.h"
#include "widgets/icons.h"

#include <QAbstractButton>
#include <QTimer>
#include <QWidget>

ExerciseRun::ExerciseRun(ExerciseHost& host, QWidget& panel, const char* timerName, const std::function<void()>& tick)
    : host_(host), panel_(panel), timer_(new QTimer(&panel)) {
    // Off until the exercise starts. Precise: a coarse tick may come early and show the
    // same second twice.
    timer_->setObjectName(QString::fromLatin1(timerName));
    timer_->setInterval(1000);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, &panel, tick);
}

void ExerciseRun::placeCaptions(const CaptionPlace& clock, const CaptionPlace& mode, const CaptionPlace& lesson) {
    captions_ = ExerciseCaptions(&panel_, clock, mode, lesson);
}

void ExerciseRun::takeButton(QAbstractButton* button, const std::function<void()>& action, const QString& hint) {
    button->setCursor(Qt::PointingHandCursor);
    // Out of the focus chain: Enter and Space stay with the line being typed.
    button->setFocusPolicy(Qt::NoFocus);
    QObject::connect(button, &QAbstractButton::clicked, &panel_, action);
    host_.registerHint(button, hint);
    buttons_.push_back(button);
}

void ExerciseRun::takeExitButton(QAbstractButton* button, const std::function<void()>& exit, const QString& hint) {
    takeButton(button, exit, hint.isEmpty() ? QCoreApplication::translate("ExerciseRun", "退出练习并查看成绩...") : hint);
    button->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Q));
}

bool ExerciseRun::begin(const ExerciseKind& kind, const ByteText* generated, const ByteText* title) {
    ExerciseScore& s = score_;
    // Read into a store of its own, so a failure leaves the current one as it was.
    LineStore text;
    try {
        if (generated)
            text.loadText(*generated);
        else if (!kind.file.empty()) {
            const std::string path = scheme::lessonFile(host_.scheme(), host_.appDirectory(), kind.file);
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
    s.scheme = host_.scheme().id;
    s.modeTitle = bytes::gb(kind.modeTitle);
    s.lessonTitle = title ? *title : bytes::gb(kind.lessonTitle);
    s.startMs = host_.clock().msecs();
    s.rightCount = 0;
    s.wrongCount = 0;
    s.misses.clear();
    livefigures::attach(panel_, *timer_, score_, host_);
    // Read at the first start: none is drawn before.
    for (QAbstractButton* b : buttons_)
        if (b->icon().isNull()) b->setIcon(icons::forControl(b->objectName(), host_.appDirectory()));
    panel_.show();
    panel_.raise();
    timer_->start();
    return true;
}

void ExerciseRun::end(const ExerciseEnd& how, const std::function<void()>& finish) {
    timer_->stop();
    if (finish) finish();
    panel_.hide();
    if (how.enableToolBar) host_.setToolBarEnabled(true);
    if (how.restoreMainScreen) host_.restoreMainScreen();
    if (how.openReport) host_.openReport(score_);
}
