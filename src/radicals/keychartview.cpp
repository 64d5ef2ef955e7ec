#include "radicals/keychartview.h"

#include "adaptive/keyboardview.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kKeyW = 57;
constexpr int kKeyH = 60;
constexpr int kGap = 3;
constexpr int kTop = 3;
// Left edge of each row: staggered like a keyboard.
constexpr int kRowLeft[3] = {3, 18, 33};
constexpr int kHeader = 13;  // letter and number
const QColor kWrongFace(0xc6, 0x28, 0x28);

char letterKey(char letter) { return static_cast<char>(letter - 'A' + 'a'); }
QString shown(char c) { return QString(QChar::fromLatin1(static_cast<char>(c - 'a' + 'A'))); }

// A light face per zone, so the five stroke zones stand apart.
QColor zoneColor(int number) {
    switch (number / 10) {
    case 1: return {252, 226, 222};
    case 2: return {250, 242, 204};
    case 3: return {222, 242, 220};
    case 4: return {218, 232, 250};
    case 5: return {236, 224, 246};
    default: return {228, 228, 228};
    }
}
}  // namespace

KeyChartView::KeyChartView(const radicals::Table& table, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("zgbiao"));
    setAccessibleName(tr("字根键盘图"));
    setFixedSize(603, 192);
    setTable(table);
    flash_ = new QTimer(this);
    flash_->setSingleShot(true);
    flash_->setInterval(400);
    connect(flash_, &QTimer::timeout, this, [this] {
        wrong_ = 0;
        describe();
        update();
    });
    // The caption goes where the bottom row ends: the chart has no keys there.
    const int captionLeft = kRowLeft[2] + 7 * (kKeyW + kGap);
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("zgnextkey"));
    caption_->setGeometry(captionLeft + 2, kTop + 2 * (kKeyH + kGap), width() - captionLeft - 5, kKeyH);
    caption_->setAlignment(Qt::AlignCenter);
    caption_->setWordWrap(true);
    QFont captionFont;
    captionFont.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimHei"), QStringLiteral("DejaVu Sans")});
    captionFont.setPixelSize(13);
    caption_->setFont(captionFont);
    QPalette ink = caption_->palette();
    ink.setColor(QPalette::WindowText, QColor(24, 24, 24));
    caption_->setPalette(ink);
    caption_->hide();
}

void KeyChartView::setLive(bool on) {
    live_ = on;
    if (!on) {
        flash_->stop();
        wrong_ = 0;
    }
    describe();
    update();
}

void KeyChartView::setNextKey(char c) {
    if (c == next_) return;
    next_ = c;
    describe();
    update();
}

void KeyChartView::flashWrong(char typed) {
    if (!live_ || typed < 'a' || typed > 'z') return;
    wrong_ = typed;
    flash_->start();
    describe();
    update();
}

void KeyChartView::describe() {
    // The caption and the description say what the colour says: colour is never the
    // only sign of the key due. The corner is narrow: the key on one line, the finger
    // on the next.
    QString caption = live_ && next_ ? KeyboardView::nextKeyCaption(next_, shown(next_)) : QString();
    caption.replace(QChar(0x3000), QLatin1Char('\n'));
    caption_->setText(caption);
    caption_->setVisible(!caption.isEmpty());
    QString description = live_ && next_ ? KeyboardView::nextKeyDescription(next_, shown(next_)) : QString();
    if (live_ && wrong_) description = tr("%1；按错的键：%2").arg(description, shown(wrong_));
    setAccessibleDescription(description);
}

void KeyChartView::setTable(const radicals::Table& table) {
    chart_ = radicals::keyChart(table);
    update();
}

void KeyChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(rect(), QColor(246, 244, 238));
    p.setPen(QColor(160, 156, 146));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    for (size_t r = 0; r < chart_.size(); ++r) {
        int x = kRowLeft[r];
        const int y = kTop + static_cast<int>(r) * (kKeyH + kGap);
        for (const radicals::ChartKey& key : chart_[r]) {
            const QRect box(x, y, kKeyW, kKeyH);
            paintKey(p, box, key);
            x += kKeyW + kGap;
            if (!live_) continue;
            // A bar under the letter of each home key, as the bumps under F and J are
            // felt; under the letter, it keeps clear of the radicals.
            if (KeyboardView::isHomeKey(letterKey(key.letter))) {
                p.setPen(QPen(QColor(0x42, 0x42, 0x42), 2, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(box.left() + 4, box.top() + kHeader + 0.5), QPointF(box.left() + 12, box.top() + kHeader + 0.5));
            }
            if (letterKey(key.letter) == wrong_) {
                p.setPen(QPen(QColor(255, 255, 255, 200), 2.5, Qt::SolidLine, Qt::RoundCap));
                p.drawLine(QPointF(box.left() + 6, box.top() + 6), QPointF(box.right() - 6, box.bottom() - 6));
            }
        }
    }
}

void KeyChartView::paintKey(QPainter& p, const QRect& box, const radicals::ChartKey& key) {
    const bool due = live_ && letterKey(key.letter) == next_;
    const bool wrong = live_ && letterKey(key.letter) == wrong_;
    QPainterPath face;
    face.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.fillPath(face, wrong ? kWrongFace : due ? KeyboardView::keyColour(next_) : zoneColor(key.number));
    p.setPen(due ? QPen(Qt::black, 3) : QPen(QColor(110, 106, 98), 1));
    p.drawPath(face);

    QFont letterFont(QStringLiteral("DejaVu Sans"));
    letterFont.setPixelSize(12);
    letterFont.setBold(true);
    p.setFont(letterFont);
    p.setPen(wrong ? QColor(Qt::white) : QColor(24, 56, 120));
    const QRect header(box.left() + 4, box.top() + 1, box.width() - 7, kHeader);
    p.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, QString(QChar::fromLatin1(key.letter)));
    if (key.number == 0) return;
    QFont numberFont(QStringLiteral("DejaVu Sans"));
    numberFont.setPixelSize(10);
    p.setFont(numberFont);
    p.setPen(wrong ? QColor(Qt::white) : QColor(70, 70, 70));
    p.drawText(header, Qt::AlignRight | Qt::AlignVCenter, QString::number(key.number));

    // The radicals in as few lines as give them the largest size.
    const int n = static_cast<int>(key.radicals.size());
    if (n == 0) return;
    const QRect area(box.left() + 2, box.top() + kHeader + 1, box.width() - 4, box.height() - kHeader - 3);
    int bestRows = 1;
    double bestCell = 0;
    for (int rows = 1; rows <= 3; ++rows) {
        const int cols = (n + rows - 1) / rows;
        const double cell = std::min(double(area.width()) / cols, double(area.height()) / rows);
        if (cell > bestCell + 0.01) {
            bestCell = cell;
            bestRows = rows;
        }
    }
    const int cols = (n + bestRows - 1) / bestRows;
    // A plain (hei) face reads better than a Song face at these small sizes.
    QFont radicalFont;
    radicalFont.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("SimHei"), QStringLiteral("AR PL UMing CN")});
    radicalFont.setPixelSize(std::min(19, static_cast<int>(std::floor(bestCell))));
    p.setFont(radicalFont);
    const QFontMetricsF fm(radicalFont);
    const double cell = bestCell;
    const double top = area.top() + (area.height() - cell * bestRows) / 2;
    for (int i = 0; i < n; ++i) {
        const int row = i / cols;
        const int inRow = std::min(cols, n - row * cols);
        const double left = area.left() + (area.width() - cell * inRow) / 2;
        const QRectF c(left + (i % cols) * cell, top + row * cell, cell, cell);
        // Centred by its ink, not by its line box, which is taller than the glyph.
        const QString radical = bytes::toUnicode(key.radicals[static_cast<size_t>(i)]);
        const QRectF ink = fm.tightBoundingRect(radical);
        const QPointF origin(std::round(c.center().x() - ink.center().x()), std::round(c.center().y() - ink.center().y()));
        // The key's own radical, the one it is named after, stands out.
        p.setPen(wrong ? QColor(Qt::white) : i == 0 ? QColor(150, 20, 20) : QColor(20, 20, 20));
        p.drawText(origin, radical);
    }
}
