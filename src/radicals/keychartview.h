#pragma once
// The Wubi key chart beside the drill: painted from the radical table, so it always
// shows the radicals the drill asks for. Live, it is the drill's keyboard too: the key
// due next lit in its finger's colour and named, the home keys marked, a wrong key
// crossed out for a moment.
#include "radicals/keychart.h"

#include <QWidget>

class QLabel;
class QTimer;

class KeyChartView : public QWidget {
    Q_OBJECT
public:
    KeyChartView(const radicals::Table& table, QWidget* parent = nullptr);
    // The table is built after the panels; the chart is taken from it when it changes.
    void setTable(const radicals::Table& table);
    const std::array<radicals::ChartRow, 3>& chart() const { return chart_; }

    // Off, the chart is drawn as a plain chart and names no key.
    void setLive(bool on);
    // The key (a lower-case letter) whose radical is due next; 0: none.
    void setNextKey(char c);
    // The key typed in the place of the one due.
    void flashWrong(char typed);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintKey(QPainter& p, const QRect& box, const radicals::ChartKey& key);
    void describe();

    std::array<radicals::ChartRow, 3> chart_;
    bool live_ = false;
    char next_ = 0;
    char wrong_ = 0;
    QTimer* flash_ = nullptr;
    QLabel* caption_ = nullptr;
};
