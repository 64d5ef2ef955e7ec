#pragma once
// Speed and accuracy while the learner types, in a corner of the exercise panel, with
// the target each is measured against and a word saying whether both are reached.
#include <cstdint>

#include <QString>

class ExerciseHost;
struct ExerciseScore;
class QTimer;
class QWidget;

namespace livefigures {

inline constexpr int kTargetPerMinute = 60;  // the report's 优秀 starts above it
inline constexpr int kTargetAccuracy = 95;

// The two lines shown: "速度 42 个/分（目标 60）" and "正确率 96.0%（目标 95%） 未达标"; no
// speed line where the exercise's report shows none, and a dash until ten seconds have
// passed and something is counted.
QString text(int right, int wrong, std::int64_t elapsedMs, bool withSpeed);

// Puts the line on the panel (once) and keeps it up to date with every tick of timer.
void attach(QWidget& panel, QTimer& timer, const ExerciseScore& score, ExerciseHost& host);

}  // namespace livefigures
