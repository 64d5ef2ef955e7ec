#pragma once
// What every exercise panel shares: the start and the end, the score of its exercise,
// the one-second timer, the clock and title captions and the Alt+Q exit button. The
// panels add only what differs (filling the page, the keys, their final count).
#include "common/bytetext.h"
#include "exercise/exercisecaptions.h"
#include "exercise/exercisescore.h"

#include <functional>
#include <vector>

class ExerciseHost;
class QAbstractButton;
class QTimer;
class QWidget;

class ExerciseRun {
public:
    // The timer, named `timerName`, calls `tick` every second while the exercise runs.
    ExerciseRun(ExerciseHost& host, QWidget& panel, const char* timerName, const std::function<void()>& tick);

    // The score of this panel's exercise: set at each start, read by its report.
    ExerciseScore& score() { return score_; }
    const ExerciseScore& score() const { return score_; }
    QTimer* timer() const { return timer_; }
    ExerciseCaptions& captions() { return captions_; }

    // The clock, mode and lesson captions at the panel's places.
    void placeCaptions(const CaptionPlace& clock, const CaptionPlace& mode, const CaptionPlace& lesson);
    // A flat button of the panel that calls `action`: it never takes the focus from the
    // lines being typed, shows `hint`, and its icon is read at the first start.
    void takeButton(QAbstractButton* button, const std::function<void()>& action, const QString& hint);
    // One that Alt+Q presses too.
    void takeExitButton(QAbstractButton* button, const std::function<void()>& exit,
                        const QString& hint = QString());
    // The clock as the tick shows it.
    void showClock(const ByteText& text) { captions_.clock.setText(bytes::toUnicode(text)); }

    // Reads the kind's file into the lesson store (or takes `generated`, a text the
    // program made). A text that cannot be read is named in a message and nothing else
    // changes: false. Then: the tool bar collapsed, the kind's music, the score reset
    // (kind, titles, start time, counts, misses), the key click readied where keys click,
    // the panel shown, its timer on. `title`: the lesson's own name instead of the kind's.
    bool begin(const ExerciseKind& kind, const ByteText* generated = nullptr, const ByteText* title = nullptr);

    // The timer off, `finish` (the final count and the elapsed text), the panel hidden,
    // then what `how` asks for; the report reads this score.
    void end(const ExerciseEnd& how, const std::function<void()>& finish);

private:
    ExerciseHost& host_;
    QWidget& panel_;
    QTimer* timer_ = nullptr;
    ExerciseScore score_;
    ExerciseCaptions captions_;
    std::vector<QAbstractButton*> buttons_;
};
