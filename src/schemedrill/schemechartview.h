#pragma once
// A scheme's key chart beside its drill, painted from the scheme's data: each key with
// what it types in the scheme, sized so that every label stays readable.
#include "schemedrill/schemekeys.h"

#include <QWidget>

class SchemeChartView : public QWidget {
    Q_OBJECT
public:
    explicit SchemeChartView(QWidget* parent = nullptr);
    void setScheme(const schemedrill::SchemeKeys& scheme);
    // The smallest text the chart draws, in pixels: never below kMinPixels; and whether
    // every label fits its key whole at that size.
    int smallestLabelPixels() const { return smallest_; }
    bool everyLabelFits() const { return allFit_; }
    static constexpr int kMinPixels = 9;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Fit {
        int mainPixels = 0;
        int extraPixels = 0;
        QStringList extraLines;
        bool fits = true;
    };
    Fit fit(const schemedrill::ChartKey& key, const QRect& area) const;
    QRect keyBox(size_t row, size_t column) const;

    std::vector<std::vector<schemedrill::ChartKey>> chart_;
    QSize key_;
    int smallest_ = kMinPixels;
    bool allFit_ = true;
};
