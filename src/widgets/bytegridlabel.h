#pragma once
// A line of text set on a byte grid: the character that starts at byte i (0-based)
// stands in cells i .. i+n-1, centred, each cell half a full-width character of the
// font. A marks line drawn this way over its reference line covers each character
// exactly, and an edit line's characters stand under the reference line's, whatever
// face a glyph comes from.
#include "common/bytetext.h"

#include <QLabel>

class ByteGridLabel : public QLabel {
    Q_OBJECT
public:
    explicit ByteGridLabel(QWidget* parent = nullptr);

    // Also sets the label's text (as Unicode) for whoever reads it.
    void setBytes(const ByteText& text);
    const ByteText& bytes() const { return bytes_; }

    // Left edge of cell 0 inside the label: an edit line's text starts that far in.
    void setInset(qreal x);
    qreal columnWidth() const;
    // Left edge of the byte at 0-based offset i.
    qreal columnX(int i) const { return inset_ + i * columnWidth(); }

    // A marks line: each character in the mark colour and underlined, so a wrong
    // character shows by its shape too, not by colour alone.
    void setMarking(bool on);
    static QColor markColour();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void bytesChanged();

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    ByteText bytes_;
    qreal inset_ = 0;
    bool marking_ = false;
};
