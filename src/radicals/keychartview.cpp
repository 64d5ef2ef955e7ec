#include "radicals/keychartview.h"

#include <QPainter>
#include <QPainterPath>
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
    setFixedSize(603, 192);
    setTable(table);
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
            paintKey(p, QRect(x, y, kKeyW, kKeyH), key);
            x += kKeyW + kGap;
        }
    }
}

void KeyChartView::paintKey(QPainter& p, const QRect& box, const radicals::ChartKey& key) {
    QPainterPath face;
    face.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    p.fillPath(face, zoneColor(key.number));
    p.setPen(QPen(QColor(110, 106, 98), 1));
    p.drawPath(face);

    QFont letterFont(QStringLiteral("DejaVu Sans"));
    letterFont.setPixelSize(12);
    letterFont.setBold(true);
    p.setFont(letterFont);
    p.setPen(QColor(24, 56, 120));
    const QRect header(box.left() + 4, box.top() + 1, box.width() - 7, kHeader);
    p.drawText(header, Qt::AlignLeft | Qt::AlignVCenter, QString(QChar::fromLatin1(key.letter)));
    if (key.number == 0) return;
    QFont numberFont(QStringLiteral("DejaVu Sans"));
    numberFont.setPixelSize(10);
    p.setFont(numberFont);
    p.setPen(QColor(70, 70, 70));
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
        p.setPen(i == 0 ? QColor(150, 20, 20) : QColor(20, 20, 20));
        p.drawText(origin, radical);
    }
}
