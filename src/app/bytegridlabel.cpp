#include "app/bytegridlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

ByteGridLabel::ByteGridLabel(QWidget* parent) : QLabel(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
}

void ByteGridLabel::setBytes(const ByteText& text) {
    if (text == bytes_) return;
    bytes_ = text;
    setText(bytes::toUnicode(bytes_));
    update();
}

void ByteGridLabel::setInset(qreal x) {
    inset_ = x;
    update();
}

qreal ByteGridLabel::columnWidth() const { return QFontMetricsF(font()).horizontalAdvance(QChar(0x4E2D)) / 2; }

QSize ByteGridLabel::sizeHint() const {
    const QFontMetrics fm(font());
    return {static_cast<int>(std::ceil(columnX(static_cast<int>(bytes_.size())))) + 2, fm.height() + 2};
}

void ByteGridLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    const QFontMetricsF fm(font());
    // Vertically centred, as a line edit centres its text.
    const qreal baseline = (height() - fm.height()) / 2 + fm.ascent();
    const qreal cell = columnWidth();
    for (size_t i = 0; i < bytes_.size();) {
        size_t n = static_cast<size_t>(bytes::charLength(bytes_, i));
        const auto lead = static_cast<unsigned char>(bytes_[i]);
        const bool halfCharacter =
            lead >= 0x80 && (n == 1 || (n == 2 && static_cast<unsigned char>(bytes_[i + 1]) < 0x40));
        if (halfCharacter) {
            // One byte of a character (a one-byte slip shifts the pairing): a frame over
            // exactly that byte's cell, not a replacement glyph straddling two characters.
            n = 1;
            const qreal x = inset_ + static_cast<qreal>(i) * cell;
            p.drawRect(QRectF(x + 1, baseline - fm.ascent() + 2, cell - 2, fm.ascent() + fm.descent() - 3));
        } else if (lead > 0x20 && lead != 0x7F) {
            // Blanks and control bytes (a line break cut into the line) leave their cells empty.
            const QString ch = bytes::toUnicode(std::string_view(bytes_).substr(i, n));
            const qreal x = inset_ + static_cast<qreal>(i) * cell + (static_cast<qreal>(n) * cell - fm.horizontalAdvance(ch)) / 2;
            p.drawText(QPointF(x, baseline), ch);
        }
        i += n;
    }
}
