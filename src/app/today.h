#pragma once
// The day's practice on the main screen: the 今日复习 menu, built from the review items
// due today, and the daily goal's progress in the status bar.
#include "common/bytetext.h"
#include "exercise/exercisekinds.h"
#include "history/daily.h"
#include "history/historystore.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <string>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

class Today : public QObject {
    Q_OBJECT
public:
    // Fills menu with one item per reviewed unit; button shows how many are due.
    Today(QToolButton* button, QMenu* menu, std::string appDir, QObject* parent = nullptr);

    // The goal's progress, for the status bar.
    QLabel* goalLabel() const { return goal_; }

    // Reads the schedule and the day's practice again; store may be null (no history).
    void refresh(const history::Store* store, const QDate& today);
    // How many items are due, all units together (as last read).
    int dueCount() const;

    // A review session's results, when row is the review that was started here: every
    // item judged by what the learner typed, or none when they left before all came up.
    void judge(history::Session& row) const;

signals:
    // The learner chose a review: the exercise and the text it runs on.
    void startReview(ExerciseId id, const ByteText& text);

private:
    struct Unit {
        QString unit;
        ExerciseId id;
        QAction* action = nullptr;
        QStringList due;  // the items, earliest due first
    };
    void begin(Unit& u);

    QToolButton* button_;
    std::string appDir_;
    QLabel* goal_;
    std::array<Unit, 3> units_;
    // The review under way: its unit, items and the units to type to reach them all.
    QString runningUnit_;
    QStringList runningItems_;
    int runningNeeded_ = 0;
};
