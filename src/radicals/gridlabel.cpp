#include "radicals/gridlabel.h"

#include "common/bytetext.h"

#include <QPainter>

GridLabel::GridLabel(QWidget* parent) : QLabel(parent) {}

int GridLabel::cellWidth() const {
    const QFontMetrics fm(font());
    return (fm.horizontalAdvance(QChar(0x4E2D)) + 1) / 2;
}

QSize GridLabel::sizeHint() const {
    const int cells = static_cast<int>(bytes::fromUnicode(text()).size());
    return {cells * cellWidth() + 2, QFontMetrics(font()).height() + 2};
}

void GridLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const int cell = cellWidth();
    const int h = height();
    int x = 0;
    const QString t = text();
    for (qsizetype i = 0; i < t.size();) {
        const qsizetype n = (t.at(i).isHighSurrogate() && i + 1 < t.size()) ? 2 : 1;
        const QString ch = t.mid(i, n);
        const int w = static_cast<int>(bytes::fromUnicode(ch).size()) * cell;
        p.drawText(QRect(x, 0, w, h), Qt::AlignCenter, ch);
        x += w;
        i += n;
    }
}
