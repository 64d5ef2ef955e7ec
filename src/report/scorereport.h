#pragma once
// The score report's arithmetic: a pure function of its five inputs.
#include "common/bytetext.h"

#include <QString>

struct ScoreReport {
    int hourMinutes = 0;
    int minutes = 0;  // after counting: the minutes the speed is based on
    int seconds = 0;
    int speed = 0;
    int elapsedSeconds = 0;  // the whole elapsed time the report was given
    QString typed, right, wrong, time, speedText, rating;
    QString accuracy;  // right ÷ typed, one decimal, as the history shows it
    QString ratingWords;  // the rating without its heading
    bool showSpeedAndRating = true;
};

// withSpeed: false for the vocabulary drill, whose report shows no speed and no rating.
ScoreReport computeScoreReport(int rightCount, int wrongCount, bool withSpeed, const ByteText& elapsedText);
