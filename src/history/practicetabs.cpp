#include "history/practicetabs.h"

#include "history/weakspots.h"
#include "widgets/fonts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSpinBox>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <QMouseEvent>

#include <algorithm>
#include <cstring>

namespace history {

namespace {

QString tr(const char* text, const char* context = nullptr, int n = -1) {
    return QCoreApplication::translate("PracticeTabs", text, context, n);
}

constexpr int kCell = 15, kGap = 3, kLeft = 28, kTop = 18;

// A month's short name in the interface language (English has no "3月").
QString monthLabel(int month) {
    static const char* const names[] = {QT_TRANSLATE_NOOP("PracticeTabs", "1月"),  QT_TRANSLATE_NOOP("PracticeTabs", "2月"),
                                        QT_TRANSLATE_NOOP("PracticeTabs", "3月"),  QT_TRANSLATE_NOOP("PracticeTabs", "4月"),
                                        QT_TRANSLATE_NOOP("PracticeTabs", "5月"),  QT_TRANSLATE_NOOP("PracticeTabs", "6月"),
                                        QT_TRANSLATE_NOOP("PracticeTabs", "7月"),  QT_TRANSLATE_NOOP("PracticeTabs", "8月"),
                                        QT_TRANSLATE_NOOP("PracticeTabs", "9月"),  QT_TRANSLATE_NOOP("PracticeTabs", "10月"),
                                        QT_TRANSLATE_NOOP("PracticeTabs", "11月"), QT_TRANSLATE_NOOP("PracticeTabs", "12月")};
    return month >= 1 && month <= 12 ? tr(names[month - 1]) : QString();
}

// Practice time steps, each darker: none, under 15 minutes, under 30, under 60, an hour or more.
int level(int seconds) {
    if (seconds <= 0) return 0;
    if (seconds < 15 * 60) return 1;
    if (seconds < 30 * 60) return 2;
    if (seconds < 60 * 60) return 3;
    return 4;
}

const QColor kShades[5] = {QColor(0xe4, 0xe6, 0xea), QColor(0xb9, 0xdf, 0xb4), QColor(0x74, 0xbf, 0x6c),
                           QColor(0x2f, 0x8f, 0x3a), QColor(0x14, 0x55, 0x1e)};

// Rows of a US keyboard, each with its left offset in key widths.
struct KeyRow {
    const char* keys;
    double offset;
};
constexpr KeyRow kRows[] = {{"`1234567890-=", 0}, {"qwertyuiop[]\\", 1.5}, {"asdfghjkl;'", 1.8}, {"zxcvbnm,./", 2.3}};

QTableWidgetItem* cellItem(const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QString shown(const QString& unit) {
    if (unit == QLatin1String(" ")) return tr("空格");
    if (unit == QLatin1String("\x7f")) return tr("空格");
    return unit;
}

}  // namespace

CalendarGrid::CalendarGrid(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("practiceCalendar"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(tr("练习日历"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize CalendarGrid::sizeHint() const { return {kLeft + kWeeks * (kCell + kGap) + 4, kTop + 7 * (kCell + kGap) + 4}; }

QDate CalendarGrid::first() const { return today_.addDays(-(today_.dayOfWeek() - 1) - 7 * (kWeeks - 1)); }

QRect CalendarGrid::cellOf(const QDate& day) const {
    const qint64 n = first().daysTo(day);
    return {kLeft + int(n / 7) * (kCell + kGap), kTop + int(n % 7) * (kCell + kGap), kCell, kCell};
}

QDate CalendarGrid::dayAt(const QPoint& p) const {
    const int col = (p.x() - kLeft) / (kCell + kGap), row = (p.y() - kTop) / (kCell + kGap);
    if (p.x() < kLeft || p.y() < kTop || col >= kWeeks || row >= 7) return {};
    const QDate d = first().addDays(col * 7 + row);
    return d <= today_ ? d : QDate();
}

void CalendarGrid::showDays(const QMap<QDate, DayTotal>& days, const Goal& goal, const QDate& today) {
    days_ = days;
    goal_ = goal;
    today_ = today;
    chosen_ = today;
    int practised = 0, seconds = 0;
    for (auto it = days.lowerBound(first()); it != days.end(); ++it) {
        ++practised;
        seconds += it->seconds;
    }
    setAccessibleDescription(tr("最近 %1 周里练习了 %2 天，共 %3 分钟。用方向键选日子。")
                                 .arg(kWeeks)
                                 .arg(practised)
                                 .arg(seconds / 60));
    update();
    emit chosenChanged(dayText(chosen_));
}

QString CalendarGrid::dayText(const QDate& day) const {
    const DayTotal t = days_.value(day);
    const QString date = day.toString(QStringLiteral("yyyy-MM-dd"));
    if (t.sessions == 0) return tr("%1：没有练习").arg(date);
    QString text = tr("%1：练习 %2 分钟，%3 次，打了 %4 字").arg(date).arg(t.seconds / 60).arg(t.sessions).arg(t.typed);
    if (goalDone(goal_, t) >= goal_.amount) text += tr("，达到每日目标");
    return text;
}

void CalendarGrid::choose(const QDate& day) {
    if (!day.isValid() || day > today_ || day < first()) return;
    chosen_ = day;
    update();
    emit chosenChanged(dayText(day));
}

void CalendarGrid::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(fonts::song(8));
    p.setPen(palette().color(QPalette::WindowText));
    const QString weekdays[] = {tr("一"), tr("三"), tr("五"), tr("日")};
    const int rows[] = {0, 2, 4, 6};
    for (int i = 0; i < 4; ++i)
        p.drawText(QRect(0, kTop + rows[i] * (kCell + kGap), kLeft - 4, kCell), Qt::AlignRight | Qt::AlignVCenter,
                   weekdays[i]);
    int lastMonth = 0;
    for (int w = 0; w < kWeeks; ++w) {
        const QDate monday = first().addDays(7 * w);
        if (monday.month() != lastMonth) {
            p.drawText(QRect(kLeft + w * (kCell + kGap), 0, 4 * (kCell + kGap), kTop - 2), Qt::AlignLeft | Qt::AlignBottom,
                       monthLabel(monday.month()));
            lastMonth = monday.month();
        }
    }
    for (QDate d = first(); d <= today_; d = d.addDays(1)) {
        const DayTotal t = days_.value(d);
        const QRect r = cellOf(d);
        p.setPen(Qt::NoPen);
        p.setBrush(kShades[level(t.seconds)]);
        p.drawRoundedRect(r, 2, 2);
        // The goal reached: a white dot, so that it is not told by colour alone.
        if (t.sessions && goalDone(goal_, t) >= goal_.amount) {
            p.setBrush(Qt::white);
            p.drawEllipse(QPointF(r.center()) + QPointF(0.5, 0.5), 2.5, 2.5);
        }
        if (d == chosen_) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(hasFocus() ? QColor(0x1c, 0x3f, 0x94) : QColor(0x30, 0x30, 0x38), 2));
            p.drawRect(r.adjusted(-1, -1, 1, 1));
        }
    }
}

void CalendarGrid::keyPressEvent(QKeyEvent* e) {
    const int step = e->key() == Qt::Key_Up ? -1 : e->key() == Qt::Key_Down ? 1 : e->key() == Qt::Key_Left ? -7
                   : e->key() == Qt::Key_Right ? 7 : 0;
    if (e->key() == Qt::Key_Home) return choose(first());
    if (e->key() == Qt::Key_End) return choose(today_);
    if (!step) return QWidget::keyPressEvent(e);
    choose(chosen_.addDays(step));
}

void CalendarGrid::mousePressEvent(QMouseEvent* e) { choose(dayAt(e->position().toPoint())); }

bool CalendarGrid::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        const QDate d = dayAt(help->pos());
        if (d.isValid())
            QToolTip::showText(help->globalPos(), dayText(d), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

KeyHeatMap::KeyHeatMap(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("keyHeatMap"));
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(tr("打错的键（键盘热图）"));
    setMinimumSize(360, 150);
}

QSize KeyHeatMap::sizeHint() const { return {520, 190}; }

char KeyHeatMap::keyOf(QChar c) {
    static const char shifted[] = "~!@#$%^&*()_+{}|:\"<>?";
    static const char base[] = "`1234567890-=[]\\;',./";
    const ushort u = c.unicode();
    if (u == ' ') return ' ';
    if (u > 0x20 && u < 0x7f) {
        const char a = char(u);
        if (a >= 'A' && a <= 'Z') return char(a - 'A' + 'a');
        if (const char* s = std::strchr(shifted, a)) return base[s - shifted];
        return a;
    }
    return 0;
}

QString KeyHeatMap::fingerOf(char key) {
    static const char* const fingers[] = {"`1qaz", "2wsx", "3edc", "45rtfgvb", "67yuhjnm", "8ik,", "9ol.", "0-=p[]\\;'/"};
    static const char* const names[] = {QT_TRANSLATE_NOOP("PracticeTabs", "左手小指"), QT_TRANSLATE_NOOP("PracticeTabs", "左手无名指"),
                                        QT_TRANSLATE_NOOP("PracticeTabs", "左手中指"), QT_TRANSLATE_NOOP("PracticeTabs", "左手食指"),
                                        QT_TRANSLATE_NOOP("PracticeTabs", "右手食指"), QT_TRANSLATE_NOOP("PracticeTabs", "右手中指"),
                                        QT_TRANSLATE_NOOP("PracticeTabs", "右手无名指"), QT_TRANSLATE_NOOP("PracticeTabs", "右手小指")};
    if (key == ' ') return QCoreApplication::translate("PracticeTabs", "拇指");
    for (int i = 0; i < 8; ++i)
        if (key && std::strchr(fingers[i], key)) return QCoreApplication::translate("PracticeTabs", names[i]);
    return {};
}

void KeyHeatMap::showMisses(const QList<MissTally>& keys) {
    counts_.clear();
    for (const MissTally& m : keys)
        if (m.expected.size() == 1)
            if (const char k = keyOf(m.expected[0])) counts_[k] += m.count;
    QStringList said;
    for (auto it = counts_.begin(); it != counts_.end(); ++it)
        said << tr("%1 %2次").arg(shown(QString(QLatin1Char(it.key())))).arg(it.value());
    setAccessibleDescription(said.isEmpty() ? tr("最近没有打错的键。") : tr("最近打错的键：") + said.join(tr("，")));
    update();
}

void KeyHeatMap::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    int most = 1;
    for (int n : counts_) most = std::max(most, n);
    const double unit = std::min(width() / 15.0, height() / 5.4);
    const auto drawKey = [&](QRectF r, char key, const QString& label) {
        const int n = counts_.value(key);
        // White to deep red by the share of the most-missed key.
        const double f = double(n) / most;
        const QColor fill = n ? QColor::fromRgbF(1.0, 1.0 - 0.75 * f, 1.0 - 0.8 * f) : QColor(0xf4, 0xf4, 0xf6);
        p.setPen(QPen(QColor(0x60, 0x60, 0x68), 1));
        p.setBrush(fill);
        p.drawRoundedRect(r.adjusted(2, 2, -2, -2), 4, 4);
        p.setPen(f > 0.6 ? Qt::white : QColor(0x20, 0x20, 0x24));
        p.setFont(fonts::song(std::max(7, int(unit / 3.6))));
        p.drawText(r.adjusted(5, 3, -4, -3), Qt::AlignLeft | Qt::AlignTop, label);
        if (n) {
            p.setFont(fonts::song(std::max(6, int(unit / 4.5))));
            p.drawText(r.adjusted(4, 3, -5, -4), Qt::AlignRight | Qt::AlignBottom, QString::number(n));
        }
    };
    for (int row = 0; row < 4; ++row) {
        const char* keys = kRows[row].keys;
        for (int i = 0; keys[i]; ++i) {
            const QRectF r((kRows[row].offset + i) * unit, row * unit, unit, unit);
            drawKey(r, keys[i], QString(QLatin1Char(keys[i])).toUpper());
        }
    }
    drawKey(QRectF(4 * unit, 4 * unit, 6.5 * unit, unit), ' ', tr("空格"));
    if (hasFocus()) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0x1c, 0x3f, 0x94), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

PracticeTabs::PracticeTabs(QWidget* calendarTab, QWidget* keysTab) {
    auto* layout = new QVBoxLayout(calendarTab);
    calendar_ = new CalendarGrid(calendarTab);
    dayLabel_ = new QLabel(calendarTab);
    dayLabel_->setObjectName(QStringLiteral("calendarDay"));
    streakLabel_ = new QLabel(calendarTab);
    streakLabel_->setObjectName(QStringLiteral("calendarStreak"));
    for (QLabel* l : {dayLabel_, streakLabel_}) {
        l->setTextFormat(Qt::PlainText);
        l->setFocusPolicy(Qt::StrongFocus);
    }
    auto* legend = new QLabel(tr("颜色越深练得越久：不到 15 分钟、不到 30 分钟、不到 1 小时、1 小时以上；白点：达到每日目标。"),
                              calendarTab);
    legend->setWordWrap(true);
    auto* goalRow = new QHBoxLayout;
    auto* goalLabel = new QLabel(tr("每日目标(&O):"), calendarTab);
    goalAmount_ = new QSpinBox(calendarTab);
    goalAmount_->setObjectName(QStringLiteral("goalAmount"));
    goalAmount_->setAccessibleName(tr("每日目标的数量"));
    goalLabel->setBuddy(goalAmount_);
    goalUnit_ = new QComboBox(calendarTab);
    goalUnit_->setObjectName(QStringLiteral("goalUnit"));
    goalUnit_->setAccessibleName(tr("每日目标的单位"));
    goalUnit_->addItem(tr("分钟"));
    goalUnit_->addItem(tr("字"));
    goalState_ = new QLabel(calendarTab);
    goalState_->setObjectName(QStringLiteral("goalState"));
    goalState_->setTextFormat(Qt::PlainText);
    goalRow->addWidget(goalLabel);
    goalRow->addWidget(goalAmount_);
    goalRow->addWidget(goalUnit_);
    goalRow->addWidget(goalState_, 1);
    layout->addWidget(calendar_);
    layout->addWidget(dayLabel_);
    layout->addWidget(legend);
    layout->addWidget(streakLabel_);
    layout->addLayout(goalRow);
    layout->addStretch(1);
    QObject::connect(calendar_, &CalendarGrid::chosenChanged, dayLabel_, [this](const QString& text) {
        dayLabel_->setText(text);
        dayLabel_->setAccessibleName(text);
        calendar_->setAccessibleName(tr("练习日历，") + text);
    });
    showGoal();
    QObject::connect(goalAmount_, &QSpinBox::editingFinished, goalAmount_, [this] { saveGoal(); });
    QObject::connect(goalUnit_, &QComboBox::activated, goalUnit_, [this] { saveGoal(); });

    auto* keys = new QHBoxLayout(keysTab);
    auto* left = new QVBoxLayout;
    heat_ = new KeyHeatMap(keysTab);
    fingers_ = new QLabel(keysTab);
    fingers_->setObjectName(QStringLiteral("fingerMisses"));
    fingers_->setWordWrap(true);
    fingers_->setTextFormat(Qt::PlainText);
    fingers_->setFocusPolicy(Qt::StrongFocus);
    left->addWidget(heat_, 1);
    left->addWidget(fingers_);
    confusions_ = new QTableWidget(keysTab);
    confusions_->setObjectName(QStringLiteral("confusionsTable"));
    confusions_->setAccessibleName(tr("最常见的打错：应打的与打成的"));
    confusions_->setColumnCount(3);
    confusions_->setHorizontalHeaderLabels({tr("应打"), tr("打成"), tr("次数")});
    confusions_->verticalHeader()->hide();
    confusions_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    confusions_->setSelectionBehavior(QAbstractItemView::SelectRows);
    confusions_->setTabKeyNavigation(false);
    keys->addLayout(left, 3);
    keys->addWidget(confusions_, 2);
}

QList<QWidget*> PracticeTabs::tabOrder() const {
    // The goal's spin box and list keep their place from being made after the labels:
    // ordering a spin box, whose line edit takes the focus, breaks the window's chain.
    return {calendar_, dayLabel_, streakLabel_};
}

void PracticeTabs::showGoal() {
    QString problem;
    const Goal g = readGoal(&problem);
    goalUnit_->setCurrentIndex(g.unit == Goal::Minutes ? 0 : 1);
    goalAmount_->setRange(1, g.unit == Goal::Minutes ? kMaxGoalMinutes : kMaxGoalCharacters);
    goalAmount_->setValue(g.amount);
    const QString text = problem.isEmpty() ? goalText(g, days_.value(today_), streak(days_, today_)) : problem;
    goalState_->setText(text);
    goalState_->setAccessibleName(text);
}

void PracticeTabs::saveGoal() {
    Goal g;
    g.unit = goalUnit_->currentIndex() == 0 ? Goal::Minutes : Goal::Characters;
    const Goal old = readGoal();
    // A new unit starts from its own default rather than reading minutes as characters.
    g.amount = g.unit == old.unit ? goalAmount_->value() : (g.unit == Goal::Minutes ? 20 : 1000);
    g.amount = std::clamp(g.amount, 1, g.unit == Goal::Minutes ? kMaxGoalMinutes : kMaxGoalCharacters);
    if (g == old) return;
    QString error;
    if (!writeGoal(g, &error)) {
        goalState_->setText(tr("每日目标没有保存：%1").arg(error));
        goalState_->setAccessibleName(goalState_->text());
        return;
    }
    showGoal();
    calendar_->showDays(days_, g, today_);
}

void PracticeTabs::fill(const Store* store, const QDate& today) {
    today_ = today;
    days_ = store ? dayTotals(store->sessions({}, false, kChartSessions)) : QMap<QDate, DayTotal>();
    const Goal goal = readGoal();
    calendar_->showDays(days_, goal, today);
    const int run = streak(days_, today);
    streakLabel_->setText(run ? tr("已连续练习 %n 天。", nullptr, run) : tr("今天还没有练习，练一次就开始连续天数。"));
    streakLabel_->setAccessibleName(streakLabel_->text());
    showGoal();

    // Every key there is, and then some: the keyboard has fewer than a hundred.
    const QList<MissTally> keys = store ? store->topMisses(QStringLiteral("key"), kRecentSessions, 100) : QList<MissTally>();
    heat_->showMisses(keys);
    // Per finger: the misses, and against the keys it was asked for, the rate.
    struct FingerTally {
        QString finger;
        int misses = 0, counted = 0, typed = 0;
        double rate() const { return errorRate(counted, typed); }
    };
    QMap<QString, FingerTally> byFinger;
    const auto fingerOf = [](const QString& key) {
        return key.size() == 1 ? KeyHeatMap::fingerOf(KeyHeatMap::keyOf(key[0])) : QString();
    };
    for (const MissTally& m : keys)
        if (const QString f = fingerOf(m.expected); !f.isEmpty()) {
            byFinger[f].misses += m.count;
            byFinger[f].counted += m.countedMisses;
        }
    const QHash<QString, int> typed = store ? store->typedCounts(QStringLiteral("key"), kRecentSessions) : QHash<QString, int>();
    for (auto it = typed.begin(); it != typed.end(); ++it)
        if (const QString f = fingerOf(it.key()); !f.isEmpty() && byFinger.contains(f)) byFinger[f].typed += it.value();
    QList<FingerTally> fingers;
    for (auto it = byFinger.begin(); it != byFinger.end(); ++it) {
        fingers.append(it.value());
        fingers.last().finger = it.key();
    }
    // Worst rate first where rates are known; a finger without one by its count after them.
    std::stable_sort(fingers.begin(), fingers.end(), [](const FingerTally& a, const FingerTally& b) {
        return a.rate() != b.rate() ? a.rate() > b.rate() : a.misses > b.misses;
    });
    QStringList fingerTexts;
    for (const FingerTally& f : fingers) fingerTexts << tr("%1 %2").arg(f.finger, missesText(f.misses, f.rate()));
    fingers_->setText(tr("最近 %1 次练习各手指打错的键：").arg(kRecentSessions) +
                      (fingerTexts.isEmpty() ? tr("还没有。") : fingerTexts.join(tr("，"))));
    fingers_->setAccessibleName(fingers_->text());

    QList<Confusion> all;
    if (store)
        for (const QString& unit : {QStringLiteral("key"), QStringLiteral("char")})
            all += store->confusions(unit, kRecentSessions, 20);
    std::stable_sort(all.begin(), all.end(), [](const Confusion& a, const Confusion& b) { return a.count > b.count; });
    if (all.size() > 20) all.resize(20);
    confusions_->setRowCount(0);
    for (const Confusion& c : all) {
        const int r = confusions_->rowCount();
        confusions_->insertRow(r);
        confusions_->setItem(r, 0, cellItem(shown(c.expected)));
        confusions_->setItem(r, 1, cellItem(shown(c.typed)));
        confusions_->setItem(r, 2, cellItem(QString::number(c.count), true));
    }
    confusions_->resizeColumnsToContents();
    confusions_->horizontalHeader()->setStretchLastSection(true);
}

}  // namespace history
