#include "chinese/chinesegridlabel.h"

#include "common/bytetext.h"

#include <QPainter>

ChineseGridLabel::ChineseGridLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

int ChineseGridLabel::cellWidth(const QFont& font) {
    return (QFontMetrics(font).horizontalAdvance(QChar(0x4E2D)) + 1) / 2;
}

const std::vector<ChineseGridLabel::Cell>& ChineseGridLabel::cells() const {
    const QString t = text();
    if (t == laidOut_) return cells_;
    laidOut_ = t;
    cells_.clear();
    int column = 0;
    for (qsizetype i = 0; i < t.size();) {
        const qsizetype n = (t.at(i).isHighSurrogate() && i + 1 < t.size()) ? 2 : 1;
        const QString ch = t.mid(i, n);
        const char16_t u = t.at(i).unicode();
        // Bytes shown as U+FFFD were kept one by one.
        int width = 1;
        if (u >= 0x80 && u != 0xFFFD) width = bytes::length(bytes::fromUnicode(ch));
        cells_.push_back({ch, column, width});
        column += width;
        i += n;
    }
    return cells_;
}

QSize ChineseGridLabel::sizeHint() const {
    int columns = 0;
    if (!cells().empty()) columns = cells().back().column + cells().back().bytes;
    const QFontMetrics fm(font());
    return {leftPadding_ + columns * cellWidth(font()) + 2, fm.height()};
}

void ChineseGridLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QFontMetrics fm(font());
    const int cell = cellWidth(font());
    const int baseline = (height() - fm.height()) / 2 + fm.ascent();
    for (const Cell& c : cells()) {
        if (c.ch == QLatin1String(" ")) continue;
        const int advance = fm.horizontalAdvance(c.ch);
        const int x = leftPadding_ + c.column * cell + (c.bytes * cell - advance) / 2;
        p.drawText(x, baseline, c.ch);
    }
}
