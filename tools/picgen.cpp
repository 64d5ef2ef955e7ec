// Draws every picture the program shows: the splash, the main-screen background, the
// keyboard picture and side strip of the English and vocabulary panels, the About
// emblem, the program icon and one 32 x 32 icon per tool button, menu item and button.
//   picgen OUTDIR [ICON...]
// With names, only those icons are drawn (the build lists them), and a name without a
// drawing is an error. Nothing is random: the same build draws the same pictures.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>
#include <QtMath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <functional>
#include <utility>
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
const QColor kJade(0x2f, 0x8f, 0x7a);
const QColor kBlue(0x2f, 0x6f, 0xc4);
const QColor kGreen(0x3c, 0x9a, 0x3c);
const QColor kOrange(0xe0, 0x86, 0x1e);
const QColor kPurple(0x7b, 0x4f, 0xb0);
const QColor kGold(0xe8, 0xb4, 0x2a);

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

void glyphIn(QPainter& p, const QString& text, const QFont& f, const QRectF& r, const QColor& c) {
    glyph(p, text, f, r.center(), c);
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
void paper(QPainter& p, const QRectF& r, int lines, const QColor& lineColor) {
    const double fold = r.width() * 0.3;
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xfd, 0xfc, 0xf7));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(QColor(0xd8, 0xd4, 0xc8));
    p.drawPath(corner);
    p.setPen(QPen(lineColor, 1.6, Qt::SolidLine, Qt::FlatCap));
    const double step = (r.height() - fold - 3) / qMax(1, lines);
    for (int i = 0; i < lines; ++i) {
        const double y = r.top() + fold + 1.5 + step * (i + 0.5);
        const double right = r.right() - 3 - (i == lines - 1 ? r.width() * 0.3 : 0);
        p.drawLine(QPointF(r.left() + 3, y), QPointF(right, y));
    }
}

// A closed book, cover facing, with a label on it.
void book(QPainter& p, const QColor& cover, const QString& label, const QFont& f) {
    const QRectF body(5, 3, 22, 27);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0xf4, 0xf0, 0xe2));  // the page edges
    p.drawRoundedRect(body.adjusted(2, 1, 2, 1), 2, 2);
    QLinearGradient g(body.topLeft(), body.topRight());
    g.setColorAt(0, shade(cover, 80));
    g.setColorAt(0.25, cover);
    g.setColorAt(1, shade(cover, 112));
    p.setBrush(g);
    p.drawRoundedRect(body, 2, 2);
    p.setPen(QPen(shade(cover, 60), 1));
    p.drawLine(QPointF(body.left() + 3.5, body.top() + 1), QPointF(body.left() + 3.5, body.bottom() - 1));
    const QRectF plate(body.left() + 5.5, body.top() + 6, body.width() - 8, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRoundedRect(plate, 1.5, 1.5);
    glyphIn(p, label, f, plate, shade(cover, 60));
}

// A round badge in the lower right corner, for variants of one picture.
void badge(QPainter& p, const QString& text, const QColor& color) {
    const QRectF r(18, 18, 13.5, 13.5);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(color);
    p.drawEllipse(r);
    glyphIn(p, text, font(kSans, 9, QFont::Bold), r, Qt::white);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, double width) {
    const double head = width * 2.4;
    QLineF back(to, from);
    back.setLength(head);
    const QPointF base = back.p2();
    QLineF side = back.normalVector();
    side.setLength(head * 0.75);
    const QPointF offset = side.p2() - side.p1();
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from, base);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(QPolygonF({to, base + offset, base - offset}));
}

void stopwatch(QPainter& p, const QColor& accent, const QString& face) {
    const QPointF c(15.5, 18);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(accent);
    p.drawRoundedRect(QRectF(13, 1.5, 5, 4), 1, 1);  // crown
    p.save();
    p.translate(c);
    p.rotate(40);
    p.drawRoundedRect(QRectF(-1.6, -15, 3.2, 4), 1, 1);  // side button
    p.restore();
    QRadialGradient g(c - QPointF(3, 3), 16);
    g.setColorAt(0, shade(accent, 130));
    g.setColorAt(1, accent);
    p.setBrush(g);
    p.drawEllipse(c, 13, 13);
    p.setBrush(Qt::white);
    p.drawEllipse(c, 10.5, 10.5);
    p.setPen(QPen(QColor(90, 90, 90), 1));
    for (int i = 0; i < 12; ++i) {
        const double a = i * M_PI / 6;
        p.drawLine(c + QPointF(std::sin(a) * 8.8, -std::cos(a) * 8.8), c + QPointF(std::sin(a) * 10, -std::cos(a) * 10));
    }
    glyph(p, face, font(kSans, 11, QFont::Bold), c + QPointF(0, 0.5), shade(accent, 70));
    p.setPen(QPen(kCinnabar, 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c, c + QPointF(5.5, -5.5));
}

void die(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kOutline, 1));
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(0xd9, 0xdd, 0xe6));
    p.setBrush(g);
    p.drawRoundedRect(r, 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    const double d = r.width() / 4;
    const QPointF c = r.center();
    for (QPointF o : {QPointF(-d, -d), QPointF(d, -d), QPointF(0, 0), QPointF(-d, d), QPointF(d, d)})
        p.drawEllipse(c + o, 2, 2);
}

void orderedList(QPainter& p, const QColor& color) {
    const QFont f = font(kSans, 8, QFont::Bold);
    for (int i = 0; i < 3; ++i) {
        const double y = 6 + i * 8.5;
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(color);
        p.drawEllipse(QPointF(5, y), 4, 4);
        glyph(p, QString::number(i + 1), f, QPointF(5, y), Qt::white);
        p.setPen(QPen(QColor(110, 110, 120), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, y), QPointF(i == 2 ? 19 : 22, y));
    }
    arrow(p, QPointF(26, 3), QPointF(26, 27), color, 2.2);
}

// A door standing open with an arrow walking out of it.
void exitDoor(QPainter& p, const QColor& accent) {
    p.setPen(QPen(kOutline, 1));
    p.setBrush(QColor(0x6b, 0x55, 0x44));
    p.drawRect(QRectF(3, 3, 15, 26));  // the frame, dark inside
    QPainterPath leaf;  // the door, swung open towards the viewer
    leaf.moveTo(3, 3);
    leaf.lineTo(12, 6);
    leaf.lineTo(12, 31);
    leaf.lineTo(3, 29);
    leaf.closeSubpath();
    QLinearGradient g(3, 0, 12, 0);
    g.setColorAt(0, shade(accent, 115));
    g.setColorAt(1, accent);
    p.setBrush(g);
    p.drawPath(leaf);
    p.setBrush(kGold);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(10, 18), 1.2, 1.2);
    arrow(p, QPointF(14, 16), QPointF(30.5, 16), accent, 3.2);
}

void nextPage(QPainter& p, const QColor& accent) {
    paper(p, QRectF(3, 2, 19, 26), 5, QColor(150, 150, 160));
    arrow(p, QPointF(12, 22), QPointF(30.5, 22), accent, 3.4);
}

void gear(QPainter& p, QPointF c, double outer, const QColor& color) {
    QPainterPath path;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        const double a0 = i * M_PI / teeth - M_PI / (teeth * 2.6);
        const double a1 = i * M_PI / teeth + M_PI / (teeth * 2.6);
        const double r = (i % 2 == 0) ? outer : outer * 0.76;
        const QPointF p0 = c + QPointF(std::cos(a0) * r, std::sin(a0) * r);
        const QPointF p1 = c + QPointF(std::cos(a1) * r, std::sin(a1) * r);
        if (i == 0)
            path.moveTo(p0);
        else
            path.lineTo(p0);
        path.lineTo(p1);
    }
    path.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, outer * 0.3, outer * 0.3);
    path = path.subtracted(hole);
    QRadialGradient g(c - QPointF(outer / 3, outer / 3), outer * 1.6);
    g.setColorAt(0, shade(color, 140));
    g.setColorAt(1, color);
    p.setPen(QPen(kOutline, 1));
    p.setBrush(g);
    p.drawPath(path);
}

void roundSign(QPainter& p, const QColor& color, const QString& text, double px) {
    const QRectF r(2, 2, 28, 28);
    QRadialGradient g(QPointF(11, 10), 20);
    g.setColorAt(0, shade(color, 140));
    g.setColorAt(1, color);
    p.setPen(QPen(shade(color, 70), 1));
    p.setBrush(g);
    p.drawEllipse(r);
    glyph(p, text, font(kSerif, px, QFont::Bold), r.center() + QPointF(0, 0.3), Qt::white);
}

void checkMark(QPainter& p, const QColor& color, double width, QPointF a, QPointF b, QPointF c) {
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(shade(color, 70), width + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

void crossMark(QPainter& p, const QRectF& r, const QColor& color, double width) {
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

// One tile per character of a word: two side by side, three as a pyramid, four in a square.
void wordTiles(QPainter& p, const QStringList& chars) {
    const QColor colors[4] = {kCinnabar, kOrange, kJade, kBlue};
    std::vector<QRectF> tiles;
    switch (chars.size()) {
    case 2:
        tiles = {QRectF(1, 7, 14.5, 18), QRectF(16.5, 7, 14.5, 18)};
        break;
    case 3:
        tiles = {QRectF(1.5, 1.5, 14, 14), QRectF(16.5, 1.5, 14, 14), QRectF(9, 16.5, 14, 14)};
        break;
    default:
        tiles = {QRectF(1.5, 1.5, 14, 14), QRectF(16.5, 1.5, 14, 14), QRectF(1.5, 16.5, 14, 14), QRectF(16.5, 16.5, 14, 14)};
        break;
    }
    const QFont f = font(kKai, 11.5, QFont::Bold);
    for (size_t i = 0; i < tiles.size(); ++i) {
        const QRectF& r = tiles[i];
        keycap(p, r, QColor(0xfb, 0xf6, 0xe8), 2.5);
        glyphIn(p, chars.value(static_cast<int>(i)), f, r.adjusted(0, 0, 0, -r.height() * 0.12), colors[i % 4]);
    }
}

// ---------------------------------------------------------------- icons

using Drawing = std::function<void(QPainter&)>;

std::vector<std::pair<QString, Drawing>> icons() {
    const QColor keyFace(0xf6, 0xf3, 0xea);
    std::vector<std::pair<QString, Drawing>> v;
    auto add = [&v](const char* name, Drawing d) { v.emplace_back(QString::fromLatin1(name), std::move(d)); };

    // Chinese practice: radicals, characters and words on keys and paper.
    add("m1a", [keyFace](QPainter& p) {  // a radical on its key
        keycap(p, QRectF(2, 3, 28, 27), keyFace, 4);
        glyph(p, QStringLiteral("扌"), font(kKai, 19, QFont::Bold), QPointF(17, 15), kCinnabar);
        glyph(p, QStringLiteral("R"), font(kSans, 8, QFont::Bold), QPointF(7, 8), kInk);
    });
    add("m1b", [](QPainter& p) {  // the most frequent character, with rising bars
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0xfd, 0xfa, 0xf0));
        p.drawRoundedRect(QRectF(1.5, 3, 20, 25), 2, 2);
        glyph(p, QStringLiteral("的"), font(kKai, 17, QFont::Bold), QPointF(11.5, 15.5), kInk);
        p.setPen(QPen(kOutline, 0.8));
        const double heights[3] = {8, 14, 21};
        for (int i = 0; i < 3; ++i) {
            p.setBrush(i == 2 ? kCinnabar : kOrange);
            p.drawRect(QRectF(22.5 + i * 3, 29 - heights[i], 2.6, heights[i]));
        }
    });
    auto shortCode = [keyFace](int keys, const QString& ch, const QColor& color) {
        return [=](QPainter& p) {
            glyph(p, ch, font(kKai, 15, QFont::Bold), QPointF(16, 7.5), color);
            const double gap = 1.5;
            const double w = (29.0 - gap * (keys - 1)) / keys;
            const char* letters = "gfd";
            for (int i = 0; i < keys; ++i) {
                const QRectF r(1.5 + i * (w + gap), 16, w, 14);
                keycap(p, r, keyFace, 2);
                glyph(p, QString(QChar::fromLatin1(letters[i])), font(kSans, 9, QFont::Bold), r.center() - QPointF(0, 1.5), kInk);
            }
        };
    };
    add("m1c", shortCode(2, QStringLiteral("二"), kCinnabar));
    add("m1d", shortCode(3, QStringLiteral("三"), kJade));
    add("m1e", [keyFace](QPainter& p) {  // two characters bound into a word
        keycap(p, QRectF(1.5, 2, 18, 18), keyFace, 3);
        glyph(p, QStringLiteral("词"), font(kKai, 14, QFont::Bold), QPointF(10.5, 10), kCinnabar);
        keycap(p, QRectF(12.5, 12, 18, 18), QColor(0xf2, 0xe6, 0xc6), 3);
        glyph(p, QStringLiteral("组"), font(kKai, 14, QFont::Bold), QPointF(21.5, 20), kJade);
    });
    add("N7", [](QPainter& p) { wordTiles(p, {QStringLiteral("中"), QStringLiteral("文")}); });
    add("N9", [](QPainter& p) { wordTiles(p, {QStringLiteral("计"), QStringLiteral("算"), QStringLiteral("机")}); });
    add("N11", [](QPainter& p) {
        wordTiles(p, {QStringLiteral("一"), QStringLiteral("心"), QStringLiteral("一"), QStringLiteral("意")});
    });
    add("m1f", [](QPainter& p) {  // a written page with a brush
        paper(p, QRectF(2, 2, 22, 28), 4, QColor(140, 140, 150));
        glyph(p, QStringLiteral("文"), font(kKai, 10, QFont::Bold), QPointF(8, 7.5), kCinnabar);
        p.save();
        p.translate(24, 16);
        p.rotate(30);
        p.setPen(QPen(kOutline, 0.8));
        p.setBrush(QColor(0xb0, 0x7a, 0x3a));
        p.drawRect(QRectF(-1.8, -14, 3.6, 18));  // the handle
        QPainterPath tip;
        tip.moveTo(-2.2, 4);
        tip.quadTo(-2.5, 10, 0, 14);
        tip.quadTo(2.5, 10, 2.2, 4);
        tip.closeSubpath();
        p.setBrush(kInk);
        p.drawPath(tip);
        p.restore();
    });

    // English practice: keys with growing letter groups, one star per level.
    auto level = [](int stars, const QString& letters, const QColor& color) {
        return [=](QPainter& p) {
            keycap(p, QRectF(1.5, 9, 29, 21), color, 4);
            glyph(p, letters, font(kSans, stars == 3 ? 10 : 12, QFont::Bold), QPointF(16, 17.5), Qt::white);
            QPainterPath star;
            for (int i = 0; i < 10; ++i) {
                const double r = (i % 2 == 0) ? 4 : 1.7;
                const double a = -M_PI / 2 + i * M_PI / 5;
                const QPointF pt(std::cos(a) * r, std::sin(a) * r);
                if (i == 0)
                    star.moveTo(pt);
                else
                    star.lineTo(pt);
            }
            star.closeSubpath();
            p.setPen(QPen(shade(kGold, 70), 0.7));
            p.setBrush(kGold);
            for (int i = 0; i < stars; ++i) p.drawPath(star.translated(16 + (i - (stars - 1) / 2.0) * 9, 4.5));
        };
    };
    add("m2a", level(1, QStringLiteral("a"), kGreen));
    add("m2b", level(2, QStringLiteral("ab"), kBlue));
    add("m2c", level(3, QStringLiteral("abc"), kPurple));
    add("m2d", [](QPainter& p) {
        paper(p, QRectF(4, 2, 24, 28), 4, QColor(120, 140, 190));
        glyph(p, QStringLiteral("Aa"), font(kSerif, 10, QFont::Bold), QPointF(11, 7.5), kBlue);
    });

    // Tests: a stopwatch; the menus' order and chance, marked by language.
    add("m3a", [](QPainter& p) { stopwatch(p, kCinnabar, QStringLiteral("中")); });
    add("m3b", [](QPainter& p) { stopwatch(p, kBlue, QStringLiteral("A")); });
    add("MenuItem4", [](QPainter& p) {
        orderedList(p, kCinnabar);
        badge(p, QStringLiteral("中"), kCinnabar);
    });
    add("MenuItem6", [](QPainter& p) {
        die(p, QRectF(2, 2, 22, 22));
        badge(p, QStringLiteral("中"), kCinnabar);
    });
    add("MenuItem1", [](QPainter& p) {
        orderedList(p, kBlue);
        badge(p, QStringLiteral("A"), kBlue);
    });
    add("MenuItem3", [](QPainter& p) {
        die(p, QRectF(2, 2, 22, 22));
        badge(p, QStringLiteral("A"), kBlue);
    });

    // Vocabulary: a word book per level.
    const QFont cjkLabel = font(kKai, 11, QFont::Bold);
    add("m4a", [=](QPainter& p) { book(p, kGreen, QStringLiteral("小"), cjkLabel); });
    add("m4b", [=](QPainter& p) { book(p, kJade, QStringLiteral("初"), cjkLabel); });
    add("m4e", [=](QPainter& p) { book(p, kBlue, QStringLiteral("高"), cjkLabel); });
    add("m4c", [=](QPainter& p) { book(p, QColor(0x8e, 0x2a, 0x3a), QStringLiteral("大"), cjkLabel); });
    add("N5", [](QPainter& p) { book(p, QColor(0xa8, 0x5a, 0x2a), QStringLiteral("1-4"), font(kSans, 7.5, QFont::Bold)); });
    add("N6", [](QPainter& p) { book(p, QColor(0x6a, 0x3a, 0x8a), QStringLiteral("5-6"), font(kSans, 7.5, QFont::Bold)); });
    add("m4d", [](QPainter& p) { book(p, QColor(0x2a, 0x4a, 0x7a), QStringLiteral("GMAT"), font(kSans, 6, QFont::Black)); });
    add("m4f", [](QPainter& p) { book(p, QColor(0x3a, 0x6a, 0x3a), QStringLiteral("GRE"), font(kSans, 7.5, QFont::Black)); });
    add("m4g", [](QPainter& p) { book(p, kOrange, QStringLiteral("600"), font(kSans, 7.5, QFont::Black)); });
    add("m4h", [](QPainter& p) {  // a sentence in a speech bubble
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(1.5, 3, 29, 20), 5, 5);
        QPainterPath tail;
        tail.moveTo(8, 21);
        tail.lineTo(6, 29);
        tail.lineTo(15, 21);
        tail.closeSubpath();
        bubble = bubble.united(tail);
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0xe3, 0xf1, 0xfb));
        p.drawPath(bubble);
        glyph(p, QStringLiteral("Hi!"), font(kSans, 8.5, QFont::Bold), QPointF(9.5, 9), kBlue);
        p.setPen(QPen(QColor(110, 130, 160), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 9), QPointF(26, 9));
        p.drawLine(QPointF(6, 16), QPointF(26, 16));
    });

    // System commands.
    add("m5a", [](QPainter& p) { roundSign(p, kBlue, QStringLiteral("?"), 20); });
    add("m5b", [](QPainter& p) { roundSign(p, kJade, QStringLiteral("i"), 19); });
    add("m5c", [](QPainter& p) {  // a window going down into the task bar
        p.setPen(QPen(kOutline, 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(3, 3, 26, 20));
        p.setBrush(kBlue);
        p.drawRect(QRectF(3, 3, 26, 5));
        p.setPen(QPen(Qt::white, 1.4));
        p.drawLine(QPointF(20, 5.5), QPointF(23, 5.5));
        arrow(p, QPointF(16, 10), QPointF(16, 25), kOrange, 3);
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0x55, 0x5a, 0x66));
        p.drawRect(QRectF(3, 26.5, 26, 4));
    });
    add("m5d", [](QPainter& p) {
        gear(p, QPointF(13, 13), 11.5, QColor(0x78, 0x84, 0x94));
        gear(p, QPointF(24, 24), 7, kOrange);
    });
    add("m5e", [](QPainter& p) {  // the power symbol
        QRadialGradient g(QPointF(11, 10), 20);
        g.setColorAt(0, shade(kCinnabar, 140));
        g.setColorAt(1, kCinnabar);
        p.setPen(QPen(shade(kCinnabar, 70), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(8.5, 9, 15, 15), 125 * 16, -250 * 16);
        p.drawLine(QPointF(16, 7), QPointF(16, 15.5));
    });

    add("historyButton", [](QPainter& p) {  // a chart of results rising over time
        p.setPen(QPen(kOutline, 1));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2, 3, 28, 26), 2.5, 2.5);
        p.setPen(QPen(QColor(150, 150, 160), 1));
        for (double y : {10.0, 16.0, 22.0}) p.drawLine(QPointF(6, y), QPointF(27, y));
        p.setPen(QPen(kInk, 1.4));
        p.drawLine(QPointF(6, 6), QPointF(6, 26));
        p.drawLine(QPointF(6, 26), QPointF(27, 26));
        const QPolygonF points({QPointF(8, 22), QPointF(13, 18), QPointF(18, 20), QPointF(25, 9)});
        p.setPen(QPen(kCinnabar, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(points);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        for (const QPointF& pt : points) p.drawEllipse(pt, 1.8, 1.8);
    });

    // Button glyphs.
    add("OKButton", [](QPainter& p) { checkMark(p, kGreen, 4, QPointF(5, 17), QPointF(13, 25), QPointF(27, 7)); });
    add("exit", [](QPainter& p) {  // put the score sheet away and go back
        paper(p, QRectF(2, 2, 19, 25), 4, QColor(150, 150, 160));
        glyph(p, QStringLiteral("分"), font(kKai, 8, QFont::Bold), QPointF(7, 6.5), kCinnabar);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kGreen, 3, Qt::SolidLine, Qt::FlatCap));
        QPainterPath back;
        back.moveTo(29, 29);
        back.lineTo(29, 21);
        back.quadTo(29, 15, 23, 15);
        back.lineTo(20, 15);
        p.drawPath(back);
        p.setPen(Qt::NoPen);
        p.setBrush(kGreen);
        p.drawPolygon(QPolygonF({QPointF(14, 15), QPointF(20.5, 10), QPointF(20.5, 20)}));
    });
    add("chinaexit", [](QPainter& p) { exitDoor(p, kCinnabar); });
    add("englishexit", [](QPainter& p) { exitDoor(p, kBlue); });
    add("zgexit", [](QPainter& p) { exitDoor(p, kJade); });
    add("bdcexit", [](QPainter& p) { exitDoor(p, kOrange); });
    add("exitexit", [](QPainter& p) {  // leave the test, no score
        exitDoor(p, QColor(0x80, 0x80, 0x88));
        p.setPen(QPen(Qt::white, 1.2));
        p.setBrush(kCinnabar);
        p.drawEllipse(QRectF(17, 1, 14, 14));
        crossMark(p, QRectF(21, 5, 6, 6), Qt::white, 2);
    });
    add("chinanextpage", [](QPainter& p) { nextPage(p, kCinnabar); });
    add("englishnext", [](QPainter& p) { nextPage(p, kBlue); });
    add("sys1", [](QPainter& p) {  // back to the defaults
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(kBlue, 3.4, Qt::SolidLine, Qt::FlatCap));
        p.drawArc(QRectF(5, 5, 22, 22), 100 * 16, 280 * 16);
        p.setPen(Qt::NoPen);
        p.setBrush(kBlue);
        p.drawPolygon(QPolygonF({QPointF(11, 1.5), QPointF(19.5, 6), QPointF(11, 11)}));
        glyph(p, QStringLiteral("默"), font(kKai, 10, QFont::Bold), QPointF(16, 16.5), kInk);
    });
    add("sys2", [](QPainter& p) {  // keep the settings
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0x3a, 0x5c, 0x9a));
        p.drawRoundedRect(QRectF(2, 2, 26, 26), 2.5, 2.5);
        p.setBrush(QColor(0xe6, 0xea, 0xf2));
        p.drawRect(QRectF(8, 2, 14, 9));
        p.setBrush(QColor(0x3a, 0x5c, 0x9a));
        p.drawRect(QRectF(17, 3.5, 3, 6));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6, 15, 18, 13));
        checkMark(p, kGreen, 3, QPointF(17, 23), QPointF(22, 28), QPointF(30.5, 15));
    });
    add("sys3", [](QPainter& p) {  // drop the changes
        QRadialGradient g(QPointF(11, 10), 20);
        g.setColorAt(0, shade(kCinnabar, 140));
        g.setColorAt(1, kCinnabar);
        p.setPen(QPen(shade(kCinnabar, 70), 1));
        p.setBrush(g);
        p.drawEllipse(QRectF(2, 2, 28, 28));
        crossMark(p, QRectF(10, 10, 12, 12), Qt::white, 3.4);
    });
    return v;
}

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

QImage programIcon() {
    QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF cap(6, 10, 116, 110);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(cap.translated(2, 4), 18, 18);
    keycap(p, cap, QColor(0xf6, 0xf0, 0xe0), 18);
    glyph(p, QStringLiteral("字"), font(kKai, 72, QFont::Bold), QPointF(64, 58), kInk);
    seal(p, QRectF(86, 78, 24, 24), QStringLiteral("打"));
    return img;
}

QImage icon(const Drawing& draw) {
    QImage img(32, 32, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    draw(p);
    return img;
}

bool save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    if (image.save(path, format, quality)) return true;
    std::fprintf(stderr, "picgen: cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: picgen OUTDIR [ICON...]\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(out + QStringLiteral("/icons"))) {
        std::fprintf(stderr, "picgen: cannot create %s/icons\n", argv[1]);
        return 1;
    }
    bool ok = true;
    ok &= save(splash(), out + QStringLiteral("/splash.jpg"), "JPEG", 92);
    ok &= save(background(), out + QStringLiteral("/back.jpg"), "JPEG", 90);
    ok &= save(keyboard(), out + QStringLiteral("/keyboard.jpg"), "JPEG", 92);
    ok &= save(strip(), out + QStringLiteral("/strip.jpg"), "JPEG", 92);
    ok &= save(emblem(), out + QStringLiteral("/emblem.png"), "PNG");
    ok &= save(programIcon(), out + QStringLiteral("/jaxo.png"), "PNG");
    const auto drawings = icons();
    QStringList wanted;
    for (int i = 2; i < argc; ++i) wanted << QString::fromLocal8Bit(argv[i]);
    if (wanted.isEmpty())
        for (const auto& d : drawings) wanted << d.first;
    for (const QString& name : wanted) {
        const auto it = std::find_if(drawings.begin(), drawings.end(), [&](const auto& d) { return d.first == name; });
        if (it == drawings.end()) {
            std::fprintf(stderr, "picgen: no drawing for the icon %s\n", qPrintable(name));
            ok = false;
            continue;
        }
        ok &= save(icon(it->second), out + QStringLiteral("/icons/") + name + QStringLiteral(".png"), "PNG");
    }
    return ok ? 0 : 1;
}
