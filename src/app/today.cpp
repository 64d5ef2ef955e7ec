#include "app/today.h"

#include "history/weakspots.h"
#include "vocabulary/worddrill.h"
#include "widgets/icons.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

// One review holds at most this many items of a unit; the rest stay due for the next.
constexpr int kReviewBatch = 20;
constexpr int kStreakSessions = 3000;

QString unitName(const QString& unit) {
    if (unit == QLatin1String("char")) return QCoreApplication::translate("Today", "复习汉字");
    if (unit == QLatin1String("key")) return QCoreApplication::translate("Today", "复习按键");
    return QCoreApplication::translate("Today", "复习单词");
}

}  // namespace

Today::Today(QToolButton* button, QMenu* menu, std::string appDir, QObject* parent)
    : QObject(parent), button_(button), appDir_(std::move(appDir)), goal_(new QLabel),
      units_{{{QStringLiteral("char"), ExerciseId::ReviewChars},
              {QStringLiteral("key"), ExerciseId::ReviewKeys},
              {QStringLiteral("word"), ExerciseId::ReviewWords}}} {
    for (Unit& u : units_) {
        u.action = menu->addAction(unitName(u.unit));
        u.action->setObjectName(QStringLiteral("review-") + u.unit);
        u.action->setIcon(icons::forControl(u.action->objectName(), appDir_));
        connect(u.action, &QAction::triggered, this, [this, &u] { begin(u); });
    }
    goal_->setObjectName(QStringLiteral("dailyGoal"));
    goal_->setFrameShape(QFrame::Panel);
    goal_->setFrameShadow(QFrame::Sunken);
    refresh(nullptr, QDate::currentDate());
}

int Today::dueCount() const {
    int n = 0;
    for (const Unit& u : units_) n += int(u.due.size());
    return n;
}

void Today::refresh(const history::Store* store, const QDate& today) {
    for (Unit& u : units_) u.due.clear();
    QList<history::Session> sessions;
    if (store) {
        for (const history::ReviewItem& r : store->dueReviews(today))
            for (Unit& u : units_)
                if (u.unit == r.unit && u.due.size() < kReviewBatch) u.due << r.item;
        // The newest sessions only: enough for today and a long run of days, and quick
        // after every report however long the history.
        sessions = store->sessions({}, false, kStreakSessions);
    }
    for (Unit& u : units_) {
        u.action->setText(QCoreApplication::translate("Today", "%1（%2 项到期）").arg(unitName(u.unit)).arg(u.due.size()));
        u.action->setEnabled(!u.due.isEmpty());
    }
    const int due = dueCount();
    const QString hint = due ? QCoreApplication::translate("Today", "今天有 %1 项到期要复习：汉字 %2，按键 %3，单词 %4...")
                                   .arg(due)
                                   .arg(units_[0].due.size())
                                   .arg(units_[1].due.size())
                                   .arg(units_[2].due.size())
                             : QCoreApplication::translate("Today", "今天没有到期要复习的字、键或单词...");
    button_->setText(due ? QCoreApplication::translate("Today", "复习 %1").arg(due)
                         : QCoreApplication::translate("Today", "今日复习"));
    button_->setProperty("jaxoHint", hint);
    button_->setAccessibleDescription(hint);
    button_->setToolTip(hint);

    QString problem;
    const history::Goal goal = history::readGoal(&problem);
    const QMap<QDate, history::DayTotal> days = history::dayTotals(sessions);
    const QString text = history::goalText(goal, days.value(today), history::streak(days, today));
    goal_->setText(text);
    goal_->setAccessibleName(text);
    goal_->setToolTip(problem.isEmpty() ? QCoreApplication::translate("Today", "每日目标在 成绩记录 的 日历 页设置") : problem);
}

void Today::begin(Unit& u) {
    if (u.due.isEmpty()) return;
    ByteText text;
    QStringList items;
    int needed = 0;
    if (u.unit == QLatin1String("char")) {
        QList<history::MissTally> tallies;
        for (const QString& c : u.due) tallies.append({u.unit, c, 1});
        const std::vector<ByteText> chars = history::weakCharacters(tallies);
        for (const ByteText& c : chars) items << bytes::toUnicode(c);
        text = history::weakCharLesson(chars);
        needed = int(items.size());
    } else if (u.unit == QLatin1String("key")) {
        // Keys a line can show; a missed blank or control key is practised in the lessons.
        for (const QString& k : u.due)
            if (k.size() == 1 && k[0].unicode() > 0x20 && k[0].unicode() < 0x7f) items << k;
        text = history::keyReviewLesson(items).toStdString();
        needed = history::keyCycle(items);
    } else {
        std::vector<ByteText> words;
        for (const QString& w : u.due) {
            words.push_back(bytes::fromUnicode(w));
            items << w;
        }
        text = weakWordList(words, appDir_);
        needed = int(items.size());
    }
    if (text.empty()) return;
    runningUnit_ = u.unit;
    runningItems_ = items;
    runningNeeded_ = needed;
    emit startReview(u.id, text);
}

void Today::judge(history::Session& row) const {
    if (runningUnit_.isEmpty()) return;
    for (const Unit& u : units_) {
        if (u.unit != runningUnit_) continue;
        const ExerciseKind& k = exerciseKind(u.id);
        if (row.kind != QLatin1String(k.historyKind.data(), qsizetype(k.historyKind.size()))) return;
        row.reviewed = history::reviewResults(u.unit, runningItems_, row.typed >= runningNeeded_, row.misses);
    }
}
