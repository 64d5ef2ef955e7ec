#pragma once
// The clock, mode and lesson captions of an exercise panel, engraved: the clock in Song,
// the titles in Kai, each pair at the panel's own place under its own names.
#include "common/bytetext.h"
#include "exercise/exercisekinds.h"
#include "exercise/exercisescore.h"
#include "widgets/fonts.h"
#include "widgets/labelpair.h"

struct CaptionPlace {
    const char* lower;  // the disabled label's name
    const char* upper;
    QPoint pos;
};

struct ExerciseCaptions {
    ExerciseCaptions() = default;
    // The clock shows the first second until the exercise's first tick.
    ExerciseCaptions(QWidget* panel, const CaptionPlace& c, const CaptionPlace& m, const CaptionPlace& l)
        : clock(panel, QString::fromLatin1(c.lower), QString::fromLatin1(c.upper), fonts::song(12), c.pos),
          mode(panel, QString::fromLatin1(m.lower), QString::fromLatin1(m.upper), fonts::kai(12), m.pos),
          lesson(panel, QString::fromLatin1(l.lower), QString::fromLatin1(l.upper), fonts::kai(12), l.pos) {
        clock.setText(QStringLiteral("0:00:01"));
    }
    void showTitles(const ExerciseScore& s) {
        mode.setText(shownTitle(s.modeTitle));
        lesson.setText(shownTitle(s.lessonTitle));
    }

    LabelPair clock, mode, lesson;
};
