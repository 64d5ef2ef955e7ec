#pragma once
// A label that sets its text on a byte grid: a character takes as many cells as it
// has bytes, each glyph centred in its cells. "×" and "↑" then stand exactly under the
// radical they mark, whatever widths the font gives them.
#include <QLabel>

class GridLabel : public QLabel {
    Q_OBJECT
public:
    explicit GridLabel(QWidget* parent = nullptr);
    // Width of one byte: half a full-width character of the font.
    int cellWidth() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
