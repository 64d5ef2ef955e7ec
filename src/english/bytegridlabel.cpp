#include "english/bytegridlabel.h"

#include <QFontMetricsF>
#include <QPainter>

ByteGridLabel::ByteGridLabel(QWidget* parent) : QLabel(parent) {}

void ByteGridLabel::setBytes(const ByteText& text) {
    bytes_ = text;
    setText(bytes::toUnicode(bytes_));
    update();
}

void ByteGridLabel::setInset(qreal x) {
    inset_ = x;
    update();
}

qreal ByteGridLabel::columnWidth() const { return QFontMetricsF(font()).horizontalAdvance(QLatin1Char('0')); }

qreal ByteGridLabel::columnX(int i) const { return inset_ + i * columnWidth(); }

void ByteGridLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setFont(font());
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QFontMetricsF fm(font());
    // Vertically centred, as a line edit centres its text.
    const qreal baseline = (height() - fm.height()) / 2 + fm.ascent();
    const qreal cell = columnWidth();
    for (size_t i = 0; i < bytes_.size();) {
        const size_t n = static_cast<size_t>(bytes::charLength(bytes_, i));
        const auto lead = static_cast<unsigned char>(bytes_[i]);
        // Blanks and control bytes (a line break cut into the line) leave their cells empty.
        if (lead > 0x20 && lead != 0x7F) {
            const QString ch = bytes::toUnicode(std::string_view(bytes_).substr(i, n));
            p.drawText(QPointF(inset_ + static_cast<qreal>(i) * cell, baseline), ch);
        }
        i += n;
    }
}
