#pragma once
// The one-second clock every exercise runs against.
#include "exercise/mainwindowstate.h"
#include "common/elapsed.h"

#include <QTimer>

// One tick at the time of day now: nowTime, the elapsed-time text the clock shows and
// its whole minutes (hours included, so limits of an hour and more are reached), which
// the caller compares with its limit.
inline ByteText clockTick(MainWindowState& s, double now) {
    s.nowTime = now;
    ByteText text = elapsed::text(s.startTime, now);
    s.elapsedMinutes = elapsed::totalMinutes(text);
    return text;
}

// The exercise's timer under its name, off until the exercise starts. Precise: a coarse
// tick may come early and show the same second twice.
template <typename Owner>
QTimer* makeExerciseTimer(Owner* owner, const char* name, void (Owner::*tick)()) {
    auto* t = new QTimer(owner);
    t->setObjectName(QString::fromLatin1(name));
    t->setInterval(1000);
    t->setTimerType(Qt::PreciseTimer);
    QObject::connect(t, &QTimer::timeout, owner, tick);
    return t;
}
