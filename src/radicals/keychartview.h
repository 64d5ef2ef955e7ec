#pragma once
// The Wubi key chart beside the drill: painted from the radical table, so it always
// shows the radicals the drill asks for.
#include "radicals/keychart.h"

#include <QWidget>

class KeyChartView : public QWidget {
    Q_OBJECT
public:
    KeyChartView(const radicals::Table& table, QWidget* parent = nullptr);
    // The table is built after the panels; the chart is taken from it when it changes.
    void setTable(const radicals::Table& table);
    const std::array<radicals::ChartRow, 3>& chart() const { return chart_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintKey(QPainter& p, const QRect& box, const radicals::ChartKey& key);
    std::array<radicals::ChartRow, 3> chart_;
};
