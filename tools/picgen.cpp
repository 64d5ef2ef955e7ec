// Draws the pictures the program shows: the splash, the main-screen background, the
// keyboard picture and side strip of the English and vocabulary panels, the About
// emblem and the program icon. The tool-bar and button icons are SVG sources of their
// own (assets/icons). Nothing is random: the same build draws the same pictures.
//   picgen OUTDIR
//   picgen --theme-icons OUTDIR ID SIZES   the program icon for the hicolor icon theme
#include "imagefile.h"

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QSvgGenerator>
#include <QtMath>

#include <cmath>
#include <cstdio>
#include <cstdint>
#include <vector>

namespace {

// ---------------------------------------------------------------- fonts and colours

const QStringList kSans{QStringLiteral("Noto Sans CJK SC"), QStringLiteral("DejaVu Sans")};
const QStringList kSerif{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("AR PL UMing CN"), QStringLiteral("DejaVu Serif")};
const QStringList kKai{QStringLiteral("AR PL UKai CN"), QStringLiteral("Noto Serif CJK SC")};

QFont font(const QStringList& families, double px, int weight = QFont::Normal) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(qMax(1, qRound(px)));
    f.setWeight(static_cast<QFont::Weight>(weight));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

const QColor kInk(0x2b, 0x2b, 0x30);
const QColor kOutline(0x30, 0x30, 0x38, 190);
const QColor kCinnabar(0xc8, 0x32, 0x2a);

// Small deterministic noise for brush edges and mountain ridges.
class Noise {
public:
    explicit Noise(std::uint32_t seed) : s_(seed) {}
    double next() {  // 0 .. 1
        s_ = s_ * 1664525u + 1013904223u;
        return static_cast<double>(s_ >> 8) / static_cast<double>(1u << 24);
    }

private:
    std::uint32_t s_;
};

// ---------------------------------------------------------------- drawing helpers

// A text whose ink (not its line box) is centred on `c`: CJK fonts have tall line boxes.
void glyph(QPainter& p, const QString& text, const QFont& f, QPointF c, const QBrush& brush, const QPen& pen = Qt::NoPen) {
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF b = path.boundingRect();
    path.translate(c - b.center());
    p.setPen(pen);
    p.setBrush(brush);
    p.drawPath(path);
}

QColor shade(const QColor& c, int factor) { return factor >= 100 ? c.lighter(factor) : c.darker(200 - factor); }

// A key cap seen from above: face, a darker skirt, one light edge.
void keycap(QPainter& p, const QRectF& r, const QColor& face, double radius = 3) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(shade(face, 70));
    p.drawRoundedRect(r, radius, radius);
    const QRectF top = r.adjusted(r.width() * 0.1, r.height() * 0.06, -r.width() * 0.1, -r.height() * 0.2);
    QLinearGradient g(top.topLeft(), top.bottomLeft());
    g.setColorAt(0, shade(face, 118));
    g.setColorAt(1, face);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(top, radius * 0.8, radius * 0.8);
}

// A sheet of paper with a folded corner and ruled text lines.
// ---------------------------------------------------------------- scenery

// A ridge of ink-wash hills: a noisy skyline filled with ink that fades downwards.
void mountains(QPainter& p, const QRectF& area, double peaks, std::uint32_t seed, const QColor& ink, int alphaTop) {
    Noise n(seed);
    QPainterPath ridge;
    ridge.moveTo(area.bottomLeft());
    const int steps = qMax(8, static_cast<int>(area.width() / 6));
    std::vector<double> rough(static_cast<size_t>(steps) + 1);
    for (double& r : rough) r = n.next();
    std::vector<QPointF> pts;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double wave = 0.5 + 0.32 * std::sin(t * peaks * 2 * M_PI + seed) + 0.18 * std::sin(t * peaks * 5.3 * M_PI);
        const double jitter = (rough[static_cast<size_t>(i)] - 0.5) * 0.05;
        pts.emplace_back(area.left() + t * area.width(), area.bottom() - area.height() * qBound(0.05, wave + jitter, 1.0));
    }
    // Through the midpoints, so the skyline is soft like wet ink.
    ridge.lineTo(pts.front());
    for (size_t i = 1; i + 1 < pts.size(); ++i) ridge.quadTo(pts[i], (pts[i] + pts[i + 1]) / 2);
    ridge.lineTo(pts.back());
    ridge.lineTo(area.bottomRight());
    ridge.closeSubpath();
    QLinearGradient g(area.topLeft(), area.bottomLeft());
    QColor top = ink;
    top.setAlpha(alphaTop);
    QColor bottom = ink;
    bottom.setAlpha(0);
    g.setColorAt(0, top);
    g.setColorAt(0.55, QColor(ink.red(), ink.green(), ink.blue(), alphaTop / 3));
    g.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ridge);
}

// One sweep of a loaded brush: thick in the middle, dry streaks at the tail.
void brushStroke(QPainter& p, QPointF from, QPointF to, double width, const QColor& ink, std::uint32_t seed) {
    Noise n(seed);
    const QLineF axis(from, to);
    QLineF normal = axis.normalVector().unitVector();
    const QPointF nv = normal.p2() - normal.p1();
    const int steps = 120;
    QPolygonF upper, lower;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double w = width * (0.12 + 0.88 * std::pow(std::sin(M_PI * (0.08 + 0.92 * t)), 0.5)) * (1 - 0.25 * t);
        const QPointF c = axis.pointAt(t) + nv * (std::sin(t * M_PI) * width * 0.06);
        upper << c + nv * (w / 2 + (n.next() - 0.5) * width * 0.04);
        lower << c - nv * (w / 2 + (n.next() - 0.5) * width * 0.04);
    }
    QPolygonF shape = upper;
    for (auto it = lower.crbegin(); it != lower.crend(); ++it) shape << *it;
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPolygon(shape);
    // Dry-brush streaks past the end of the stroke.
    for (int k = 0; k < 9; ++k) {
        const double off = (n.next() - 0.5) * width * 0.6;
        const double len = 0.08 + n.next() * 0.14;
        QColor c = ink;
        c.setAlpha(static_cast<int>(ink.alpha() * (0.25 + n.next() * 0.4)));
        p.setPen(QPen(c, 0.8 + n.next() * 1.8, Qt::SolidLine, Qt::RoundCap));
        const QPointF s = axis.pointAt(0.88) + nv * off;
        p.drawLine(s, s + (axis.p2() - axis.p1()) * len);
    }
}

// A square cinnabar seal with characters cut out in white, read top to bottom, right to left.
void seal(QPainter& p, const QRectF& r, const QString& text) {
    QPainterPath block;
    block.addRoundedRect(r, r.width() * 0.08, r.width() * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xb8, 0x24, 0x1c));
    p.drawPath(block);
    const double inset = r.width() * 0.08;
    p.setPen(QPen(QColor(0xfb, 0xee, 0xe6), r.width() * 0.025));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(inset, inset, -inset, -inset));
    const QRectF inner = r.adjusted(inset * 1.6, inset * 1.6, -inset * 1.6, -inset * 1.6);
    const int n = static_cast<int>(text.size());
    const QFont f = font(kKai, inner.height() * (n > 2 ? 0.47 : 0.5), QFont::Bold);
    if (n == 4) {
        const double hw = inner.width() / 2, hh = inner.height() / 2;
        const QPointF centres[4] = {{inner.left() + hw * 1.5, inner.top() + hh * 0.5}, {inner.left() + hw * 1.5, inner.top() + hh * 1.5},
                                    {inner.left() + hw * 0.5, inner.top() + hh * 0.5}, {inner.left() + hw * 0.5, inner.top() + hh * 1.5}};
        for (int i = 0; i < 4; ++i) glyph(p, text.mid(i, 1), f, centres[i], QColor(0xfb, 0xee, 0xe6));
    } else {
        for (int i = 0; i < n; ++i)
            glyph(p, text.mid(i, 1), f, QPointF(inner.center().x(), inner.top() + inner.height() * (i + 0.5) / n), QColor(0xfb, 0xee, 0xe6));
    }
}

void paperBackground(QPainter& p, const QRectF& r, const QColor& a, const QColor& b, std::uint32_t seed) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.fillRect(r, g);
    // Faint fibres, as in hand-made paper.
    Noise n(seed);
    const int fibres = static_cast<int>(r.width() * r.height() / 900);
    for (int i = 0; i < fibres; ++i) {
        const QPointF s(r.left() + n.next() * r.width(), r.top() + n.next() * r.height());
        const double a0 = n.next() * M_PI;
        const double len = 4 + n.next() * 12;
        p.setPen(QPen(QColor(120, 100, 60, 10 + static_cast<int>(n.next() * 14)), 0.7));
        p.drawLine(s, s + QPointF(std::cos(a0) * len, std::sin(a0) * len));
    }
}

// ---------------------------------------------------------------- pictures

QImage splash() {
    QImage img(416, 262, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    paperBackground(p, img.rect(), QColor(0xfa, 0xf5, 0xe8), QColor(0xec, 0xe2, 0xcb), 7);

    mountains(p, QRectF(150, 18, 266, 120), 1.6, 3, QColor(0x5a, 0x64, 0x6e), 70);
    mountains(p, QRectF(210, 50, 206, 100), 2.2, 11, QColor(0x3a, 0x44, 0x4e), 95);
    // A pale sun behind the hills.
    QRadialGradient sun(QPointF(330, 52), 26);
    sun.setColorAt(0, QColor(0xd8, 0x55, 0x40, 120));
    sun.setColorAt(0.8, QColor(0xd8, 0x55, 0x40, 60));
    sun.setColorAt(1, QColor(0xd8, 0x55, 0x40, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(sun);
    p.drawEllipse(QPointF(330, 52), 26, 26);

    // The title in paper colour, cut out of a wide brush stroke.
    const QFont titleFont = font(kSerif, 44, QFont::Bold);
    QPainterPath title;
    title.addText(0, 0, titleFont, QStringLiteral("Jaxo4.00"));
    const QRectF tb = title.boundingRect();
    const double cy = 86;
    brushStroke(p, QPointF(12, cy + 4), QPointF(38 + tb.width() + 56, cy - 3), 70, QColor(0x20, 0x22, 0x28, 238), 5);
    glyph(p, QStringLiteral("Jaxo4.00"), titleFont, QPointF(34 + tb.width() / 2, cy), QColor(0xfb, 0xf6, 0xea));

    p.setFont(font(kKai, 25, QFont::Bold));
    p.setPen(kInk);
    p.drawText(QRectF(30, 118, 300, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("中英文打字练习软件"));
    seal(p, QRectF(276, 122, 34, 34), QStringLiteral("打字"));

    p.setFont(font(kSans, 11));
    p.setPen(QColor(0x6a, 0x60, 0x50));
    p.drawText(QRectF(32, 156, 300, 20), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("五笔字根 · 中文 · 英文指法 · 背单词"));

    // A row of keys along the bottom, the home keys of both hands carrying radicals.
    const QString keys = QStringLiteral("ASDFGHJKL");
    const QString radicals = QStringLiteral("工木大土王目日口田");
    const double w = 40, gap = 5, y = 196;
    double x = -14;
    for (int i = 0; i < keys.size(); ++i, x += w + gap) {
        const QRectF r(x, y, w, 38);
        keycap(p, r, (keys[i] == QLatin1Char('F') || keys[i] == QLatin1Char('J')) ? QColor(0xf3, 0xdf, 0xbf) : QColor(0xf5, 0xf1, 0xe6), 5);
        p.setFont(font(kSans, 10, QFont::Bold));
        p.setPen(kInk);
        p.drawText(r.adjusted(7, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop, keys.mid(i, 1));
        glyph(p, radicals.mid(i, 1), font(kKai, 15, QFont::Bold), r.center() + QPointF(6, 1), kCinnabar);
    }
    p.setFont(font(kSans, 9));
    p.setPen(QColor(0x8a, 0x80, 0x70));
    p.drawText(QRectF(0, 240, 406, 20), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Version 4.00  正在启动……"));
    p.setPen(QPen(QColor(0x8a, 0x7a, 0x60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 415, 261));
    return img;
}

QImage background() {
    QImage img(800, 600, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor(0xee, 0xf4, 0xf1));
    sky.setColorAt(0.6, QColor(0xe2, 0xed, 0xe8));
    sky.setColorAt(1, QColor(0xcf, 0xe0, 0xd9));
    p.fillRect(img.rect(), sky);
    Noise n(23);
    for (int i = 0; i < 500; ++i) {
        const QPointF s(n.next() * 800, n.next() * 600);
        const double a = n.next() * M_PI;
        const double len = 5 + n.next() * 14;
        p.setPen(QPen(QColor(60, 90, 80, 6 + static_cast<int>(n.next() * 8)), 0.7));
        p.drawLine(s, s + QPointF(std::cos(a) * len, std::sin(a) * len));
    }
    mountains(p, QRectF(0, 380, 560, 200), 1.3, 17, QColor(0x4d, 0x6e, 0x66), 40);
    mountains(p, QRectF(260, 420, 540, 180), 1.8, 29, QColor(0x3a, 0x5a, 0x52), 50);
    mountains(p, QRectF(0, 470, 800, 130), 2.6, 41, QColor(0x2e, 0x48, 0x42), 45);

    // A watermark of keys, very light, in the middle of the free screen.
    const QString keys = QStringLiteral("QWERTYUIOP");
    for (int i = 0; i < keys.size(); ++i) {
        const QRectF r(150 + i * 52, 170, 46, 44);
        p.setPen(QPen(QColor(0x5f, 0x80, 0x78, 40), 1.2));
        p.setBrush(QColor(255, 255, 255, 50));
        p.drawRoundedRect(r, 6, 6);
        p.setFont(font(kSans, 14, QFont::Bold));
        p.setPen(QColor(0x5f, 0x80, 0x78, 70));
        p.drawText(r.adjusted(8, 5, 0, 0), Qt::AlignLeft | Qt::AlignTop, keys.mid(i, 1));
    }
    p.setFont(font(kSerif, 76, QFont::Bold));
    p.setPen(QColor(0x3f, 0x66, 0x5c, 95));
    p.drawText(QRectF(0, 232, 800, 100), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Jaxo4.00"));
    p.setFont(font(kKai, 32, QFont::Bold));
    p.setPen(QColor(0x3f, 0x66, 0x5c, 110));
    p.drawText(QRectF(0, 326, 800, 50), Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("中英文打字练习软件"));
    seal(p, QRectF(560, 330, 40, 40), QStringLiteral("打字"));

    // Below the panels: the name once more, small, in the corner.
    p.setFont(font(kKai, 16, QFont::Bold));
    p.setPen(QColor(0xf4, 0xf8, 0xf6, 220));
    p.drawText(QRectF(0, 548, 780, 30), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Jaxo4.00  中英文打字练习软件"));
    return img;
}

// Which finger types a key, for the colours of the keyboard picture.
QColor fingerColor(QChar key) {
    static const struct {
        const char* keys;
        QColor color;
    } fingers[] = {
        {"`1QAZ", QColor(0xf4, 0xb6, 0xb0)},  {"2WSX", QColor(0xf7, 0xd2, 0x9c)}, {"3EDC", QColor(0xf4, 0xe8, 0x9a)},
        {"45RTFGVB", QColor(0xbc, 0xe3, 0xa8)}, {"67YUHJNM", QColor(0xa8, 0xd8, 0xe8)}, {"8IK,", QColor(0xf4, 0xe8, 0x9a)},
        {"9OL.", QColor(0xf7, 0xd2, 0x9c)},     {"0P;/-['=]", QColor(0xf4, 0xb6, 0xb0)},
    };
    for (const auto& f : fingers)
        if (QString::fromLatin1(f.keys).contains(key)) return f.color;
    return QColor(0xe9, 0xe9, 0xe6);
}

QImage keyboard() {
    const int W = 530, H = 207;
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, 0, H);
    bg.setColorAt(0, QColor(0xf2, 0xf4, 0xf3));
    bg.setColorAt(1, QColor(0xdc, 0xe3, 0xe0));
    p.fillRect(img.rect(), bg);

    const double u = 22.2;   // one key unit across
    const double uy = 26.5;  // and down: the picture is taller than a real keyboard's proportions
    const QRectF body(4, 6, W - 8, H - 10);
    p.setPen(QPen(QColor(0x40, 0x44, 0x4c), 1.2));
    QLinearGradient bodyFill(body.topLeft(), body.bottomLeft());
    bodyFill.setColorAt(0, QColor(0x5c, 0x62, 0x6c));
    bodyFill.setColorAt(1, QColor(0x3c, 0x40, 0x48));
    p.setBrush(bodyFill);
    p.drawRoundedRect(body, 10, 10);

    const double ox = 12, oy = 16;
    auto key = [&](double col, double row, double width, const QString& label, const QColor& face, double height = 1) {
        const QRectF r(ox + col * u, oy + row * uy, width * u - 2, height * uy - 2);
        keycap(p, r, face, 3);
        p.setFont(font(kSans, label.size() > 3 ? 6.5 : 8, QFont::Bold));
        p.setPen(QColor(0x30, 0x30, 0x36));
        p.drawText(r.adjusted(2, 1, -1, -3), label.size() == 1 ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter), label);
    };
    const QColor gray(0xc9, 0xcc, 0xcf);
    const QColor plain(0xe9, 0xe9, 0xe6);

    // Function row.
    key(0, 0, 1, QStringLiteral("Esc"), gray);
    for (int i = 0; i < 12; ++i) key(2 + i + (i / 4) * 0.5, 0, 1, QStringLiteral("F%1").arg(i + 1), plain);
    for (int i = 0; i < 3; ++i) key(15.25 + i, 0, 1, QStringList{QStringLiteral("Prt"), QStringLiteral("Scr"), QStringLiteral("Pau")}[i], gray);

    // The typing block, each key in its finger's colour.
    const double r1 = 1.25;
    const QString digits = QStringLiteral("`1234567890-=");
    for (int i = 0; i < digits.size(); ++i) key(i, r1, 1, digits.mid(i, 1), fingerColor(digits[i]));
    key(13, r1, 2, QStringLiteral("Back"), gray);
    key(0, r1 + 1, 1.5, QStringLiteral("Tab"), gray);
    const QString top = QStringLiteral("QWERTYUIOP[]");
    for (int i = 0; i < top.size(); ++i) key(1.5 + i, r1 + 1, 1, top.mid(i, 1), fingerColor(top[i]));
    key(13.5, r1 + 1, 1.5, QStringLiteral("\\"), gray);
    key(0, r1 + 2, 1.75, QStringLiteral("Caps"), gray);
    const QString home = QStringLiteral("ASDFGHJKL;'");
    for (int i = 0; i < home.size(); ++i) key(1.75 + i, r1 + 2, 1, home.mid(i, 1), fingerColor(home[i]));
    key(12.75, r1 + 2, 2.25, QStringLiteral("Enter"), gray);
    key(0, r1 + 3, 2.25, QStringLiteral("Shift"), gray);
    const QString bottom = QStringLiteral("ZXCVBNM,./");
    for (int i = 0; i < bottom.size(); ++i) key(2.25 + i, r1 + 3, 1, bottom.mid(i, 1), fingerColor(bottom[i]));
    key(12.25, r1 + 3, 2.75, QStringLiteral("Shift"), gray);
    key(0, r1 + 4, 1.5, QStringLiteral("Ctrl"), gray);
    key(1.5, r1 + 4, 1.25, QStringLiteral("Win"), gray);
    key(2.75, r1 + 4, 1.25, QStringLiteral("Alt"), gray);
    key(4, r1 + 4, 6.5, QString(), QColor(0xd8, 0xd0, 0xea));
    key(10.5, r1 + 4, 1.25, QStringLiteral("Alt"), gray);
    key(11.75, r1 + 4, 1.25, QStringLiteral("Win"), gray);
    key(13, r1 + 4, 2, QStringLiteral("Ctrl"), gray);
    // The bumps on F and J that the index fingers find without looking.
    p.setPen(QPen(QColor(0x30, 0x30, 0x36), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (double col : {1.75 + 3, 1.75 + 6}) {
        const double cx = ox + col * u + u / 2 - 1;
        const double cy = oy + (r1 + 2) * uy + uy - 8;
        p.drawLine(QPointF(cx - 3, cy), QPointF(cx + 3, cy));
    }

    // Editing and arrow keys.
    const double nav = 15.25;
    const QStringList navTop{QStringLiteral("Ins"), QStringLiteral("Hom"), QStringLiteral("PgU")};
    const QStringList navMid{QStringLiteral("Del"), QStringLiteral("End"), QStringLiteral("PgD")};
    for (int i = 0; i < 3; ++i) {
        key(nav + i, r1, 1, navTop[i], gray);
        key(nav + i, r1 + 1, 1, navMid[i], gray);
    }
    key(nav + 1, r1 + 3, 1, QStringLiteral("↑"), gray);
    key(nav, r1 + 4, 1, QStringLiteral("←"), gray);
    key(nav + 1, r1 + 4, 1, QStringLiteral("↓"), gray);
    key(nav + 2, r1 + 4, 1, QStringLiteral("→"), gray);

    // Number pad.
    const double pad = 18.5;
    const QStringList padRows[4] = {{QStringLiteral("Num"), QStringLiteral("/"), QStringLiteral("*"), QStringLiteral("-")},
                                    {QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("9")},
                                    {QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6")},
                                    {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")}};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < padRows[r].size(); ++c) key(pad + c, r1 + r, 1, padRows[r][c], r == 0 ? gray : plain);
    key(pad + 3, r1 + 1, 1, QStringLiteral("+"), gray, 2);
    key(pad + 3, r1 + 3, 1, QStringLiteral("Ent"), gray, 2);
    key(pad, r1 + 4, 2, QStringLiteral("0"), plain);
    key(pad + 2, r1 + 4, 1, QStringLiteral("."), plain);

    // Three lights above the number pad.
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(i == 0 ? QColor(0x7c, 0xe0, 0x7c) : QColor(0x2c, 0x30, 0x36));
        p.drawEllipse(QPointF(ox + (pad + 0.7 + i * 1.1) * u, oy + 0.45 * uy), 2.5, 2.5);
    }
    return img;
}

QImage strip() {
    const int W = 30, H = 400;
    QImage img(W, H, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, W, 0);
    g.setColorAt(0, QColor(0x1f, 0x4f, 0x46));
    g.setColorAt(0.7, QColor(0x2f, 0x6f, 0x62));
    g.setColorAt(1, QColor(0x9c, 0xc4, 0xb8));
    p.fillRect(img.rect(), g);
    // A bamboo stem with its joints and a few leaves.
    const double x = 12;
    QLinearGradient stem(x - 4, 0, x + 4, 0);
    stem.setColorAt(0, QColor(0xb8, 0xd8, 0x9c));
    stem.setColorAt(0.5, QColor(0xe4, 0xf2, 0xc8));
    stem.setColorAt(1, QColor(0x8c, 0xb8, 0x74));
    p.setPen(Qt::NoPen);
    p.setBrush(stem);
    p.drawRect(QRectF(x - 4, 0, 8, H));
    Noise n(31);
    double y = 18;
    while (y < H) {
        p.setPen(QPen(QColor(0x4c, 0x78, 0x44), 1.6));
        p.drawLine(QPointF(x - 4.5, y), QPointF(x + 4.5, y));
        p.setPen(QPen(QColor(0xf0, 0xf8, 0xe0), 0.8));
        p.drawLine(QPointF(x - 4, y + 1.4), QPointF(x + 4, y + 1.4));
        const int side = (static_cast<int>(y) / 10) % 2 == 0 ? 1 : -1;
        QPainterPath leaf;
        const QPointF base(x + side * 2, y - 2);
        const QPointF tip = base + QPointF(side * (13 + n.next() * 4), 9 + n.next() * 6);
        leaf.moveTo(base);
        leaf.quadTo(base + QPointF(side * 8, -1), tip);
        leaf.quadTo(base + QPointF(side * 3, 7), base);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x9c, 0xcc, 0x84, 230));
        p.drawPath(leaf);
        y += 52 + n.next() * 26;
    }
    p.setPen(QPen(QColor(0xe8, 0xd8, 0xa8), 1));
    p.drawLine(QPointF(W - 1.5, 0), QPointF(W - 1.5, H));
    return img;
}

QImage emblem() {
    QImage img(100, 100, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    seal(p, QRectF(4, 4, 92, 92), QStringLiteral("中英打字"));
    return img;
}

// The program icon on a 128 x 128 canvas.
void drawProgramIcon(QPainter& p) {
    const QRectF cap(6, 10, 116, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(cap.translated(2, 4), 18, 18);
    keycap(p, cap, QColor(0xf6, 0xf0, 0xe0), 18);
    glyph(p, QStringLiteral("字"), font(kKai, 72, QFont::Bold), QPointF(64, 58), kInk);
    seal(p, QRectF(86, 78, 24, 24), QStringLiteral("打"));
}

QImage programIcon(int size = 128) {
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    drawProgramIcon(p);
    return img;
}

// The icon theme's copies of the program icon: PNGs of the usual sizes and a scalable
// SVG of the same drawing (its letters are outlines, so no font is needed to show it).
bool themeIcons(const QString& dir, const QString& id, const QList<int>& sizes) {
    bool ok = true;
    for (int size : sizes) {
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
        ok &= QDir().mkpath(folder) && imagefile::save(programIcon(size), folder + QLatin1Char('/') + id + QStringLiteral(".png"), "PNG");
    }
    const QString folder = dir + QStringLiteral("/hicolor/scalable/apps");
    QSvgGenerator svg;
    svg.setFileName(folder + QLatin1Char('/') + id + QStringLiteral(".svg"));
    svg.setSize(QSize(128, 128));
    svg.setViewBox(QRect(0, 0, 128, 128));
    svg.setTitle(QStringLiteral("Jaxo4.00"));
    if (!QDir().mkpath(folder)) return false;
    QPainter p;
    if (!p.begin(&svg)) {
        std::fprintf(stderr, "picgen: cannot write %s\n", qPrintable(svg.fileName()));
        return false;
    }
    p.setRenderHint(QPainter::Antialiasing);
    drawProgramIcon(p);
    return p.end() && ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: picgen OUTDIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (out == QLatin1String("--theme-icons")) {
        QList<int> sizes;
        if (argc != 5) {
            std::fprintf(stderr, "usage: picgen --theme-icons OUTDIR ID SIZES\n");
            return 2;
        }
        if (!imagefile::parseSizes(QString::fromLocal8Bit(argv[4]), sizes)) return 2;
        return themeIcons(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), sizes) ? 0 : 1;
    }
    if (!QDir().mkpath(out)) {
        std::fprintf(stderr, "picgen: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    ok &= imagefile::save(splash(), out + QStringLiteral("/splash.jpg"), "JPEG", 92);
    ok &= imagefile::save(background(), out + QStringLiteral("/back.jpg"), "JPEG", 90);
    ok &= imagefile::save(keyboard(), out + QStringLiteral("/keyboard.jpg"), "JPEG", 92);
    ok &= imagefile::save(strip(), out + QStringLiteral("/strip.jpg"), "JPEG", 92);
    ok &= imagefile::save(emblem(), out + QStringLiteral("/emblem.png"), "PNG");
    ok &= imagefile::save(programIcon(), out + QStringLiteral("/jaxo.png"), "PNG");
    return ok ? 0 : 1;
}
