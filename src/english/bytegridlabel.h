#pragma once
// A line of text painted on a byte grid: the character that starts at byte i (0-based)
// is drawn at column i, each column as wide as a half-width character of the grid
// font. Reference and mark lines use it, so a mark lies exactly over its byte and the
// input line's characters stand under the reference line's.
#include "common/bytetext.h"

#include <QLabel>

class ByteGridLabel : public QLabel {
    Q_OBJECT
public:
    explicit ByteGridLabel(QWidget* parent = nullptr);

    // Also sets the label's text (as Unicode) for whoever reads it.
    void setBytes(const ByteText& text);
    const ByteText& bytes() const { return bytes_; }

    // Left edge of column 0 inside the label: the input line's text starts that far in.
    void setInset(qreal x);
    // Left edge of the byte at 0-based offset i.
    qreal columnX(int i) const;
    qreal columnWidth() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    ByteText bytes_;
    qreal inset_ = 0;
};
