#include "widgets/bytegridlabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
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
    emit bytesChanged();
}

// Dark red: over 6:1 against the light grey of the panels (pure red is 3.5:1).
QColor ByteGridLabel::markColour() { return {0xB0, 0x00, 0x00}; }

void ByteGridLabel::setMarking(bool on) {
    marking_ = on;
    if (on) {
        QPalette pal = palette();
        pal.setColor(QPalette::WindowText, markColour());
        setPalette(pal);
    }
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
    // Under the glyphs, inside the label: two pixels below the baseline at least.
    const qreal underlineY = std::min(baseline + std::max<qreal>(2, fm.descent() / 2), height() - 2.0);
    const auto underline = [&](size_t at, size_t cells) {
        if (!marking_) return;
        const qreal x = inset_ + static_cast<qreal>(at) * cell;
        p.fillRect(QRectF(x + 1, underlineY, static_cast<qreal>(cells) * cell - 2, 2), p.pen().color());
    };
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
            underline(i, 1);
        } else if (marking_ && bytes_[i] == bytes::kMissedBlank) {
            // A wrong key where a blank belongs: an open box under the blank's cell, as
            // keyboards print the space, and the underline.
            const qreal x = inset_ + static_cast<qreal>(i) * cell;
            const qreal tick = std::max<qreal>(3, fm.ascent() / 3);
            const QColor c = p.pen().color();
            p.fillRect(QRectF(x + 2, baseline - tick, 2, tick), c);
            p.fillRect(QRectF(x + cell - 4, baseline - tick, 2, tick), c);
            p.fillRect(QRectF(x + 2, baseline - 1, cell - 4, 2), c);
            underline(i, n);
        } else if (lead > 0x20 && lead != 0x7F) {
            // Blanks and control bytes (a line break cut into the line) leave their cells empty.
            const QString ch = bytes::toUnicode(std::string_view(bytes_).substr(i, n));
            const qreal x = inset_ + static_cast<qreal>(i) * cell + (static_cast<qreal>(n) * cell - fm.horizontalAdvance(ch)) / 2;
            p.drawText(QPointF(x, baseline), ch);
            underline(i, n);
        }
        i += n;
    }
}
