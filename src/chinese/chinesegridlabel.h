#pragma once
// A label that draws its text on a byte grid: every character stands at the column
// of its first byte and is centred in as many half-width cells as it has bytes. A
// marks row drawn this way over its reference line covers each character exactly,
// whatever face a glyph comes from.
#include <QLabel>
#include <vector>

class ChineseGridLabel : public QLabel {
    Q_OBJECT
public:
    explicit ChineseGridLabel(QWidget* parent = nullptr);
    // Width of one byte: half a full-width character of the font.
    static int cellWidth(const QFont& font);
    // Where column 0 starts, so that the line can sit over an edit line's text.
    void setLeftPadding(int px) { leftPadding_ = px; update(); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    struct Cell {
        QString ch;
        int column;
        int bytes;
    };
    const std::vector<Cell>& cells() const;
    int leftPadding_ = 0;
    mutable QString laidOut_;
    mutable std::vector<Cell> cells_;
};
