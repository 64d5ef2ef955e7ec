#include "schemedrill/schemechartview.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace {
constexpr int kGap = 3;
constexpr int kMargin = 3;
constexpr int kStagger = 15;  // each row starts this much further right, as on a keyboard
constexpr int kHeader = 13;

QFont cjkFont(int pixels) {
    QFont f;
    // Latin first: its lines are shorter than a CJK face's, and the finals are Latin.
    f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans CJK TC"),
                   QStringLiteral("AR PL UMing CN")});
    f.setPixelSize(pixels);
    return f;
}

// Words in as few lines of `width` as they take.
QStringList wrap(const QStringList& words, const QFontMetrics& fm, int width) {
    QStringList lines;
    for (const QString& w : words) {
        if (!lines.isEmpty() && fm.horizontalAdvance(lines.last() + QLatin1Char(' ') + w) <= width)
            lines.last() += QLatin1Char(' ') + w;
        else
            lines << w;
    }
    return lines;
}
}  // namespace

SchemeChartView::SchemeChartView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("schemeChart"));
    setFocusPolicy(Qt::NoFocus);
}

void SchemeChartView::setScheme(const schemedrill::SchemeKeys& scheme) {
    chart_ = scheme.chart;
    size_t columns = 0;
    for (const auto& row : chart_) columns = std::max(columns, row.size());
    // Four rows (Zhuyin takes the number row) need smaller keys to fit the panel.
    key_ = chart_.size() > 3 ? QSize(48, 50) : QSize(54, 66);
    const int rows = static_cast<int>(chart_.size());
    setFixedSize(kMargin * 2 + (rows - 1) * kStagger + static_cast<int>(columns) * (key_.width() + kGap) - kGap,
                 kMargin * 2 + rows * (key_.height() + kGap) - kGap);
    // What a screen reader says of the picture: every key and what it stands for.
    QStringList said;
    smallest_ = 100;
    allFit_ = true;
    for (size_t r = 0; r < chart_.size(); ++r) {
        for (size_t c = 0; c < chart_[r].size(); ++c) {
            const schemedrill::ChartKey& k = chart_[r][c];
            const QRect box = keyBox(r, c);
            const Fit f = fit(k, box);
            if (f.mainPixels) smallest_ = std::min(smallest_, f.mainPixels);
            if (f.extraPixels) smallest_ = std::min(smallest_, f.extraPixels);
            allFit_ = allFit_ && f.fits;
            if (k.main.isEmpty() && k.extra.isEmpty()) continue;
            said << QStringLiteral("%1：%2").arg(QString(QChar::fromLatin1(k.key)).toUpper(), (k.main + k.extra).join(QLatin1Char(' ')));
        }
    }
    setAccessibleName(scheme.chartName);
    setAccessibleDescription(said.join(QStringLiteral("；")));
    update();
}

QRect SchemeChartView::keyBox(size_t row, size_t column) const {
    return {kMargin + static_cast<int>(row) * kStagger + static_cast<int>(column) * (key_.width() + kGap),
            kMargin + static_cast<int>(row) * (key_.height() + kGap), key_.width(), key_.height()};
}

// The largest sizes at which the key's symbols fit on one line above its other labels.
SchemeChartView::Fit SchemeChartView::fit(const schemedrill::ChartKey& key, const QRect& box) const {
    const QRect area(box.left() + 3, box.top() + kHeader + 1, box.width() - 6, box.height() - kHeader - 3);
    Fit best;
    const QString main = key.main.join(QLatin1Char(' '));
    for (int mainPx = key.main.isEmpty() ? 0 : 22; mainPx == 0 || mainPx >= kMinPixels; --mainPx) {
        const int mainHeight = mainPx ? QFontMetrics(cjkFont(mainPx)).height() : 0;
        if (mainPx && QFontMetrics(cjkFont(mainPx)).horizontalAdvance(main) > area.width()) continue;
        if (key.extra.isEmpty()) return {mainPx, 0, {}};
        // The other labels get what is left, but never more than the symbols.
        for (int px = std::min(mainPx ? mainPx - 4 : 16, 16); px >= kMinPixels; --px) {
            const QFontMetrics fm(cjkFont(px));
            const QStringList lines = wrap(key.extra, fm, area.width());
            bool wide = false;
            for (const QString& l : lines) wide = wide || fm.horizontalAdvance(l) > area.width();
            if (!wide && mainHeight + static_cast<int>(lines.size()) * fm.lineSpacing() <= area.height())
                return {mainPx, px, lines};
        }
        if (mainPx == 0) break;
    }
    // Nothing fits: the smallest readable size, cut at the key's edge.
    best.mainPixels = key.main.isEmpty() ? 0 : kMinPixels;
    best.extraPixels = kMinPixels;
    best.extraLines = wrap(key.extra, QFontMetrics(cjkFont(kMinPixels)), area.width());
    best.fits = false;
    return best;
}

void SchemeChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(246, 244, 238));
    p.setPen(QColor(160, 156, 146));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    for (size_t r = 0; r < chart_.size(); ++r) {
        for (size_t c = 0; c < chart_[r].size(); ++c) {
            const schemedrill::ChartKey& key = chart_[r][c];
            const QRect box = keyBox(r, c);
            QPainterPath face;
            face.addRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
            const bool used = !key.main.isEmpty() || !key.extra.isEmpty();
            p.fillPath(face, used ? QColor(222, 236, 250) : QColor(232, 232, 232));
            p.setPen(QPen(QColor(110, 106, 98), 1));
            p.drawPath(face);

            QFont letterFont(QStringLiteral("DejaVu Sans"));
            letterFont.setPixelSize(12);
            letterFont.setBold(true);
            p.setFont(letterFont);
            p.setPen(QColor(24, 56, 120));
            p.drawText(QRect(box.left() + 4, box.top() + 1, box.width() - 7, kHeader), Qt::AlignLeft | Qt::AlignVCenter,
                       QString(QChar::fromLatin1(key.key)).toUpper());

            const Fit f = fit(key, box);
            const QRect area(box.left() + 3, box.top() + kHeader + 1, box.width() - 6, box.height() - kHeader - 3);
            p.save();
            p.setClipRect(area);
            int y = area.top();
            if (f.mainPixels) {
                p.setFont(cjkFont(f.mainPixels));
                p.setPen(QColor(150, 20, 20));
                const int h = QFontMetrics(p.font()).height();
                // Alone, the symbols take the middle of the key; with other labels, its top.
                const QRect line = key.extra.isEmpty() ? area : QRect(area.left(), y, area.width(), h);
                p.drawText(line, Qt::AlignCenter, key.main.join(QLatin1Char(' ')));
                y += h;
            }
            if (f.extraPixels) {
                p.setFont(cjkFont(f.extraPixels));
                p.setPen(QColor(30, 30, 30));
                const int step = QFontMetrics(p.font()).lineSpacing();
                for (const QString& l : f.extraLines) {
                    p.drawText(QRect(area.left(), y, area.width(), step), Qt::AlignHCenter | Qt::AlignVCenter, l);
                    y += step;
                }
            }
            p.restore();
        }
    }
}
