#pragma once
// The start and the end every exercise panel shares; the panels add only what differs
// (filling the page, the keys, their final count).
#include "common/bytetext.h"
#include "exercise/exercisescore.h"

#include <functional>

class ExerciseHost;
class QTimer;
class QWidget;

class ExerciseRun {
public:
    ExerciseRun(ExerciseHost& host, QWidget& panel, QTimer& timer) : host_(host), panel_(panel), timer_(timer) {}

    // Reads the kind's file into the lesson store (or takes `generated`, a text the
    // program made). A text that cannot be read is named in a message and nothing else
    // changes: false. Then: the tool bar collapsed, the kind's music, the score reset
    // (kind, titles, start time, counts, misses), the key click readied where keys click,
    // the panel shown, its timer on. `title`: the lesson's own name instead of the kind's.
    bool begin(const ExerciseKind& kind, const ByteText* generated = nullptr, const ByteText* title = nullptr);

    // The timer off, `finish` (the final count and the elapsed text), the panel hidden,
    // then what `how` asks for.
    void end(const ExerciseEnd& how, const std::function<void()>& finish);

private:
    ExerciseHost& host_;
    QWidget& panel_;
    QTimer& timer_;
};
