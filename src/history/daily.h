#pragma once
// Practice by day: the time and characters of each day, the run of days practised up
// to today, and the daily goal, a setting of its own in the user's config folder
// ($XDG_CONFIG_HOME/jaxo/dailygoal), written whole or not at all.
#include "history/historystore.h"

#include <QDate>
#include <QMap>
#include <QString>

namespace history {

struct DayTotal {
    int seconds = 0;
    int typed = 0;
    int sessions = 0;
};

// Every day with a session, by the learner's own date of its start.
QMap<QDate, DayTotal> dayTotals(const QList<Session>& sessions);

// Days practised in a row up to today; a today not yet practised does not break the run
// that ended yesterday.
int streak(const QMap<QDate, DayTotal>& days, const QDate& today);

struct Goal {
    enum Unit { Minutes, Characters } unit = Minutes;
    int amount = 20;
    bool operator==(const Goal&) const = default;
};

inline constexpr int kMaxGoalMinutes = 600;
inline constexpr int kMaxGoalCharacters = 100000;

QString goalFile();
// The learner's goal; the default when there is no file. A file that cannot be read or
// understood gives the default and a message naming it; it is not changed.
Goal readGoal(QString* problem = nullptr);
Goal readGoal(const QString& path, QString* problem);
bool writeGoal(const Goal& goal, QString* error = nullptr);
bool writeGoal(const QString& path, const Goal& goal, QString* error);

// How much of the goal a day reached, in the goal's unit.
int goalDone(const Goal& goal, const DayTotal& day);
// "今日目标：12/20 分钟" (or 字), with "已完成" once reached.
QString goalText(const Goal& goal, const DayTotal& today, int streakDays);

}  // namespace history
