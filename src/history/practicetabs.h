#pragma once
// Tabs of the 成绩记录 window beside the table and the charts: the practice calendar
// with the daily goal and the streak, and the keyboard heat map with the commonest
// confusions ("typed X for Y").
#include "history/daily.h"
#include "history/historystore.h"

#include <QMap>
#include <QWidget>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

namespace history {

// One cell per day over the last weeks, shaded by practice time, a mark where the goal
// was reached. The arrows move a chosen day, whose figures are said and written below.
class CalendarGrid : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWeeks = 26;
    explicit CalendarGrid(QWidget* parent = nullptr);
    void showDays(const QMap<QDate, DayTotal>& days, const Goal& goal, const QDate& today);
    QDate chosen() const { return chosen_; }
    // The figures of a day, as written and said.
    QString dayText(const QDate& day) const;
    QSize sizeHint() const override;

signals:
    void chosenChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;

private:
    QDate first() const;  // the Monday of the first week shown
    QRect cellOf(const QDate& day) const;
    QDate dayAt(const QPoint& p) const;
    void choose(const QDate& day);

    QMap<QDate, DayTotal> days_;
    Goal goal_;
    QDate today_ = QDate::currentDate(), chosen_ = today_;
};

// A keyboard whose keys are shaded by how often they were missed, with the count
// written on each.
class KeyHeatMap : public QWidget {
    Q_OBJECT
public:
    explicit KeyHeatMap(QWidget* parent = nullptr);
    // Misses by key, as recorded (a shifted character counts on its key).
    void showMisses(const QList<MissTally>& keys);
    QSize sizeHint() const override;
    // The key a character is typed on ("A" and "a" on a, "!" on 1); 0 for none.
    static char keyOf(QChar c);
    // The finger of a key, as touch typing assigns it.
    static QString fingerOf(char key);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QMap<char, int> counts_;
};

class PracticeTabs {
public:
    PracticeTabs(QWidget* calendarTab, QWidget* keysTab);
    // Read again from the store (null: nothing to show).
    void fill(const Store* store, const QDate& today);
    // The controls in the order Tab walks them.
    QList<QWidget*> tabOrder() const;

private:
    void saveGoal();
    void showGoal();

    QMap<QDate, DayTotal> days_;
    QDate today_;
    CalendarGrid* calendar_;
    QLabel* dayLabel_;
    QLabel* streakLabel_;
    QComboBox* goalUnit_;
    QSpinBox* goalAmount_;
    QLabel* goalState_;
    KeyHeatMap* heat_;
    QLabel* fingers_;
    QTableWidget* confusions_;
};

}  // namespace history
