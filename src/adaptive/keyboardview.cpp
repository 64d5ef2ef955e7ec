#include "adaptive/keyboardview.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <array>
#include <cstring>

namespace {

enum Finger { LPinky, LRing, LMiddle, LIndex, RIndex, RMiddle, RRing, RPinky, Thumb, kFingers };

struct Key {
    const char* label;  // as drawn
    char plain;         // the character typed without Shift (0: a control key)
    char shifted;
    double width;       // in key widths
    Finger finger;
};

// A US layout, row by row; the rows are 15 key widths wide.
constexpr Key kRow0[] = {{"`", '`', '~', 1, LPinky},  {"1", '1', '!', 1, LPinky},  {"2", '2', '@', 1, LRing},
                         {"3", '3', '#', 1, LMiddle}, {"4", '4', '$', 1, LIndex},  {"5", '5', '%', 1, LIndex},
                         {"6", '6', '^', 1, RIndex},  {"7", '7', '&', 1, RIndex},  {"8", '8', '*', 1, RMiddle},
                         {"9", '9', '(', 1, RRing},   {"0", '0', ')', 1, RPinky},  {"-", '-', '_', 1, RPinky},
                         {"=", '=', '+', 1, RPinky},  {"⌫", 0, 0, 2, RPinky}};
constexpr Key kRow1[] = {{"Tab", 0, 0, 1.5, LPinky}, {"Q", 'q', 'Q', 1, LPinky},  {"W", 'w', 'W', 1, LRing},
                         {"E", 'e', 'E', 1, LMiddle}, {"R", 'r', 'R', 1, LIndex},  {"T", 't', 'T', 1, LIndex},
                         {"Y", 'y', 'Y', 1, RIndex},  {"U", 'u', 'U', 1, RIndex},  {"I", 'i', 'I', 1, RMiddle},
                         {"O", 'o', 'O', 1, RRing},   {"P", 'p', 'P', 1, RPinky},  {"[", '[', '{', 1, RPinky},
                         {"]", ']', '}', 1, RPinky},  {"\\", '\\', '|', 1.5, RPinky}};
constexpr Key kRow2[] = {{"Caps", 0, 0, 1.75, LPinky}, {"A", 'a', 'A', 1, LPinky},  {"S", 's', 'S', 1, LRing},
                         {"D", 'd', 'D', 1, LMiddle},  {"F", 'f', 'F', 1, LIndex},  {"G", 'g', 'G', 1, LIndex},
                         {"H", 'h', 'H', 1, RIndex},   {"J", 'j', 'J', 1, RIndex},  {"K", 'k', 'K', 1, RMiddle},
                         {"L", 'l', 'L', 1, RRing},    {";", ';', ':', 1, RPinky},  {"'", '\'', '"', 1, RPinky},
                         {"Enter", 0, 0, 2.25, RPinky}};
constexpr Key kRow3[] = {{"Shift", 0, 'L', 2.25, LPinky}, {"Z", 'z', 'Z', 1, LPinky}, {"X", 'x', 'X', 1, LRing},
                         {"C", 'c', 'C', 1, LMiddle},     {"V", 'v', 'V', 1, LIndex}, {"B", 'b', 'B', 1, LIndex},
                         {"N", 'n', 'N', 1, RIndex},      {"M", 'm', 'M', 1, RIndex}, {",", ',', '<', 1, RMiddle},
                         {".", '.', '>', 1, RRing},       {"/", '/', '?', 1, RPinky}, {"Shift", 0, 'R', 2.75, RPinky}};
constexpr Key kRow4[] = {{"", ' ', ' ', 6.25, Thumb}};
struct Row {
    const Key* keys;
    int count;
    double indent;
};
constexpr std::array<Row, 5> kRows = {Row{kRow0, 14, 0}, Row{kRow1, 14, 0}, Row{kRow2, 13, 0}, Row{kRow3, 12, 0},
                                      Row{kRow4, 1, 4}};
constexpr double kUnits = 15;

// The home keys, where the fingers rest.
bool homeKey(char c) { return c && std::strchr("asdfjkl;", c); }

const Key* keyOf(char c, bool* shift) {
    for (const Row& r : kRows)
        for (int i = 0; i < r.count; ++i) {
            const Key& k = r.keys[i];
            if (!k.plain) continue;
            if (k.plain == c || k.shifted == c) {
                if (shift) *shift = k.plain != c;
                return &k;
            }
        }
    return nullptr;
}

QColor fingerColour(Finger f) {
    static const QColor colours[kFingers] = {QColor(0xe5, 0x73, 0x73), QColor(0xff, 0xb7, 0x4d), QColor(0xff, 0xee, 0x58),
                                             QColor(0x81, 0xc7, 0x84), QColor(0x4d, 0xd0, 0xe1), QColor(0x64, 0xb5, 0xf6),
                                             QColor(0xba, 0x68, 0xc8), QColor(0xf0, 0x62, 0x92), QColor(0xbd, 0xbd, 0xbd)};
    return colours[f];
}

QString fingerText(Finger f) {
    static const char* const names[kFingers] = {
        QT_TRANSLATE_NOOP("KeyboardView", "左手小指"), QT_TRANSLATE_NOOP("KeyboardView", "左手无名指"),
        QT_TRANSLATE_NOOP("KeyboardView", "左手中指"), QT_TRANSLATE_NOOP("KeyboardView", "左手食指"),
        QT_TRANSLATE_NOOP("KeyboardView", "右手食指"), QT_TRANSLATE_NOOP("KeyboardView", "右手中指"),
        QT_TRANSLATE_NOOP("KeyboardView", "右手无名指"), QT_TRANSLATE_NOOP("KeyboardView", "右手小指"),
        QT_TRANSLATE_NOOP("KeyboardView", "拇指")};
    return QCoreApplication::translate("KeyboardView", names[f]);
}

QString keyText(char c) {
    if (c == ' ') return QCoreApplication::translate("KeyboardView", "空格");
    return QString(QLatin1Char(c));
}
}  // namespace

KeyboardView::KeyboardView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("liveKeyboard"));
    setAccessibleName(tr("键盘"));
    setFocusPolicy(Qt::NoFocus);
    flash_ = new QTimer(this);
    flash_->setSingleShot(true);
    flash_->setInterval(400);
    connect(flash_, &QTimer::timeout, this, [this] {
        wrong_ = 0;
        update();
    });
    describe();
}

QString KeyboardView::fingerName(char c) {
    bool shift = false;
    const Key* k = keyOf(c, &shift);
    return k ? fingerText(k->finger) : QString();
}

void KeyboardView::setNextKey(char c) {
    if (c == next_) return;
    next_ = c;
    describe();
    update();
}

void KeyboardView::flashWrong(char typed) {
    wrong_ = typed;
    flash_->start();
    update();
}

void KeyboardView::setProgress(const QHash<char, double>& progress) {
    progress_ = progress;
    update();
}

QColor KeyboardView::keyColour(char c) {
    const Key* k = c ? keyOf(c, nullptr) : nullptr;
    return k ? fingerColour(k->finger) : QColor();
}

bool KeyboardView::isHomeKey(char c) { return homeKey(c); }

QString KeyboardView::nextKeyCaption(char c, const QString& label) {
    bool shift = false;
    const Key* k = c ? keyOf(c, &shift) : nullptr;
    if (!k) return {};
    QString text = tr("下一个键：%1　手指：%2").arg(label.isEmpty() ? keyText(c) : label, fingerText(k->finger));
    if (shift) text += tr("（加上档键）");
    return text;
}

QString KeyboardView::nextKeyDescription(char c, const QString& label) {
    bool shift = false;
    const Key* k = c ? keyOf(c, &shift) : nullptr;
    if (!k) return {};
    QString text = tr("下一个键：%1，%2").arg(label.isEmpty() ? keyText(c) : label, fingerText(k->finger));
    if (shift) text += tr("，另一只手按上档键");
    return text;
}

void KeyboardView::describe() { setAccessibleDescription(nextKeyDescription(next_)); }

void KeyboardView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // One line beneath the keys names the key due and its finger, so colour is never
    // the only sign of it.
    const double caption = height() * 0.14;
    const double unit = std::min(width() / kUnits, (height() - caption) / 5.0);
    const double left = (width() - unit * kUnits) / 2;
    const double gap = unit * 0.08;
    bool shiftDue = false;
    const Key* due = next_ ? keyOf(next_, &shiftDue) : nullptr;
    const Key* wrong = wrong_ ? keyOf(wrong_, nullptr) : nullptr;

    QFont f = font();
    f.setPixelSize(std::max(7, static_cast<int>(unit * 0.36)));
    p.setFont(f);
    for (int r = 0; r < static_cast<int>(kRows.size()); ++r) {
        double x = left + kRows[r].indent * unit;
        for (int i = 0; i < kRows[r].count; ++i) {
            const Key& k = kRows[r].keys[i];
            const QRectF box(x + gap / 2, r * unit + gap / 2, k.width * unit - gap, unit - gap);
            x += k.width * unit;
            // Shift lights on the hand that does not type the key.
            const bool shiftKey = !k.plain && (k.shifted == 'L' || k.shifted == 'R');
            const bool isDue = due && (&k == due || (shiftDue && shiftKey &&
                                                     (k.shifted == 'L') == (due->finger >= RIndex && due->finger != Thumb)));
            const bool isWrong = wrong && &k == wrong;
            const bool letter = k.plain >= 'a' && k.plain <= 'z';
            const bool faint = !progress_.isEmpty() && letter && !progress_.contains(k.plain);
            QColor fill = isDue ? fingerColour(k.finger) : fingerColour(k.finger).lighter(faint ? 185 : 150);
            if (isWrong) fill = QColor(0xc6, 0x28, 0x28);
            p.setPen(QPen(isDue ? Qt::black : QColor(0x75, 0x75, 0x75), isDue ? unit * 0.09 : 1));
            p.setBrush(fill);
            p.drawRoundedRect(box, unit * 0.12, unit * 0.12);
            // A bar under each home key, as the bumps under F and J are felt.
            if (homeKey(k.plain)) {
                p.setPen(QPen(QColor(0x42, 0x42, 0x42), std::max(1.0, unit * 0.05)));
                const double y = box.bottom() - unit * 0.16;
                p.drawLine(QPointF(box.center().x() - unit * 0.15, y), QPointF(box.center().x() + unit * 0.15, y));
            }
            if (letter && progress_.contains(k.plain)) {
                const double v = std::clamp(progress_.value(k.plain), 0.0, 1.0);
                const QRectF track(box.left() + unit * 0.1, box.bottom() - unit * 0.1, box.width() - unit * 0.2, unit * 0.06);
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(255, 255, 255, 170));
                p.drawRect(track);
                p.setBrush(v >= 1.0 ? QColor(0x2e, 0x7d, 0x32) : QColor(0x37, 0x47, 0x4f));
                p.drawRect(QRectF(track.topLeft(), QSizeF(track.width() * v, track.height())));
            }
            QFont kf = f;
            kf.setBold(isDue);
            p.setFont(kf);
            p.setPen(isWrong ? Qt::white : (faint ? QColor(0x9e, 0x9e, 0x9e) : Qt::black));
            p.drawText(box.adjusted(0, 0, 0, -unit * 0.1), Qt::AlignCenter, QString::fromUtf8(k.label));
            if (isWrong) {
                p.setPen(QPen(Qt::white, std::max(1.0, unit * 0.06)));
                p.drawLine(box.topLeft() + QPointF(unit * 0.15, unit * 0.15), box.bottomRight() - QPointF(unit * 0.15, unit * 0.15));
            }
        }
    }
    if (due) {
        const QString text = nextKeyCaption(next_);
        QFont cf = f;
        cf.setPixelSize(std::max(8, static_cast<int>(caption * 0.7)));
        p.setFont(cf);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRectF(0, 5 * unit, width(), height() - 5 * unit), Qt::AlignCenter, text);
    }
}
