#include "history/daily.h"

#include "common/atomicwrite.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>

namespace history {

QMap<QDate, DayTotal> dayTotals(const QList<Session>& sessions) {
    QMap<QDate, DayTotal> out;
    for (const Session& s : sessions) {
        DayTotal& d = out[s.startedAt.date()];
        d.seconds += s.seconds;
        d.typed += s.typed;
        ++d.sessions;
    }
    return out;
}

int streak(const QMap<QDate, DayTotal>& days, const QDate& today) {
    QDate d = days.contains(today) ? today : today.addDays(-1);
    int n = 0;
    while (days.contains(d)) {
        ++n;
        d = d.addDays(-1);
    }
    return n;
}

QString goalFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/jaxo/dailygoal");
}

Goal readGoal(QString* problem) { return readGoal(goalFile(), problem); }

Goal readGoal(const QString& path, QString* problem) {
    QFile f(path);
    if (!f.exists()) return {};
    const auto bad = [&](const QString& why) {
        if (problem)
            *problem = QCoreApplication::translate("DailyGoal", "每日目标文件 %1 %2，现用默认目标（每天 20 分钟）").arg(path, why);
        return Goal{};
    };
    if (!f.open(QIODevice::ReadOnly)) return bad(QCoreApplication::translate("DailyGoal", "无法读取（%1）").arg(f.errorString()));
    const QList<QByteArray> words = f.read(256).simplified().split(' ');
    bool ok = false;
    const int amount = words.size() == 2 ? words[1].toInt(&ok) : 0;
    Goal g;
    g.unit = words.value(0) == "characters" ? Goal::Characters : Goal::Minutes;
    const int most = g.unit == Goal::Minutes ? kMaxGoalMinutes : kMaxGoalCharacters;
    if (!ok || (words[0] != "minutes" && words[0] != "characters") || amount < 1 || amount > most)
        return bad(QCoreApplication::translate("DailyGoal", "的内容看不懂"));
    g.amount = amount;
    return g;
}

bool writeGoal(const Goal& goal, QString* error) { return writeGoal(goalFile(), goal, error); }

bool writeGoal(const QString& path, const Goal& goal, QString* error) {
    const QString folder = path.section(QLatin1Char('/'), 0, -2);
    if (!atomicwrite::makeFolder(folder, error)) return false;
    const QByteArray text = (goal.unit == Goal::Minutes ? QByteArray("minutes ") : QByteArray("characters ")) +
                            QByteArray::number(goal.amount) + '\n';
    return atomicwrite::write(path, text, error);
}

int goalDone(const Goal& goal, const DayTotal& day) {
    return goal.unit == Goal::Minutes ? day.seconds / 60 : day.typed;
}

QString goalText(const Goal& goal, const DayTotal& today, int streakDays) {
    const QString unit = goal.unit == Goal::Minutes ? QCoreApplication::translate("DailyGoal", "分钟")
                                                    : QCoreApplication::translate("DailyGoal", "字");
    const int done = goalDone(goal, today);
    QString text = QCoreApplication::translate("DailyGoal", "今日目标 %1/%2 %3").arg(done).arg(goal.amount).arg(unit);
    if (done >= goal.amount) text += QCoreApplication::translate("DailyGoal", "，已完成");
    if (streakDays > 0) text += QCoreApplication::translate("DailyGoal", "，连续 %1 天").arg(streakDays);
    return text;
}

}  // namespace history
