#include "exercise/exercisekinds.h"
#include "history/historyview.h"

#include "widgets/fonts.h"
#include "common/atomicwrite.h"
#include "common/platform.h"
#include "history/historycsv.h"
#include "history/kinds.h"
#include "history/practicetabs.h"
#include "history/weakspots.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QAbstractTableModel>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>

#include <QCursor>
#include <QMap>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

QString elapsed(int seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QTableWidgetItem* cell(const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A text cut short by a narrow column is read whole from its tooltip.
    if (!number) item->setToolTip(text);
    return item;
}

// The columns are as wide as their widest content can be, measured from samples (a long
// history is not read to size a column), and those with free text share what the window
// has left over, cut short with "…" when it is too narrow.
void fitColumns(QTableView* t, const QStringList& widest, std::initializer_list<int> stretching) {
    QHeaderView* h = t->horizontalHeader();
    h->setStretchLastSection(false);
    h->setMinimumSectionSize(40);
    const int pad = 2 * t->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, t) + 12;
    for (int c = 0; c < h->count(); ++c) {
        if (std::find(stretching.begin(), stretching.end(), c) != stretching.end()) {
            h->setSectionResizeMode(c, QHeaderView::Stretch);
            continue;
        }
        h->setSectionResizeMode(c, QHeaderView::Interactive);
        const QString header = t->model()->headerData(c, Qt::Horizontal).toString();
        h->resizeSection(c, std::max(h->fontMetrics().horizontalAdvance(header),
                                     t->fontMetrics().horizontalAdvance(widest.value(c))) + pad);
    }
    t->setTextElideMode(Qt::ElideRight);
    t->setWordWrap(false);
}

template <typename T>
T* makeTable(QWidget* parent, const char* name, const QString& accessibleName) {
    auto* t = new T(parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setAccessibleName(accessibleName);
    t->verticalHeader()->hide();
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the table instead of walking its cells; the arrows walk them.
    t->setTabKeyNavigation(false);
    t->setAlternatingRowColors(true);
    return t;
}

struct Point {
    qint64 ms;
    double value;
    int sessions = 1;  // the sessions of the day the point stands for
};

// One kind's points: a day each, the median of its sessions.
struct Series {
    QString kind;
    QList<Point> points;
};

constexpr qint64 kDayMs = 24LL * 3600 * 1000;

double median(QList<double> v) {
    std::sort(v.begin(), v.end());
    const qsizetype n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// The sessions as one series per kind, one point per day at its noon, so that a day's
// point stands between the day's ticks. value: the figure a session adds, or nothing.
QList<Series> perDay(const QList<history::Session>& sessions,
                     const std::function<std::optional<double>(const history::Session&)>& value) {
    QMap<QString, QMap<QDate, QList<double>>> byKind;
    for (const history::Session& s : sessions)
        if (const auto v = value(s)) byKind[s.kind][s.startedAt.date()].append(*v);
    QList<Series> out;
    for (const history::KindName& k : history::kindNames()) {
        const auto it = byKind.constFind(k.kind);
        if (it == byKind.constEnd()) continue;
        Series series{k.kind, {}};
        for (auto d = it->begin(); d != it->end(); ++d)
            series.points.append({QDateTime(d.key(), QTime(12, 0)).toMSecsSinceEpoch(), median(*d), int(d->size())});
        out.append(series);
    }
    return out;
}

// The least-squares line through the points, as its two ends; none for fewer than two days.
QList<QPointF> trend(const QList<Point>& points) {
    if (points.size() < 2) return {};
    double sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double n = double(points.size());
    for (const Point& p : points) {
        const double x = double(p.ms - points.front().ms) / kDayMs;
        sx += x;
        sy += p.value;
        sxx += x * x;
        sxy += x * p.value;
    }
    const double slope = (n * sxy - sx * sy) / std::max(1e-9, n * sxx - sx * sx), at0 = (sy - slope * sx) / n;
    const double span = double(points.back().ms - points.front().ms) / kDayMs;
    return {QPointF(qreal(points.front().ms), std::max(0.0, at0)),
            QPointF(qreal(points.back().ms), std::max(0.0, at0 + slope * span))};
}

// One line per kind over dated axes with its trend and the target, ticks at midnight,
// every point inside the axes; hovering a point shows its figures.
void drawChart(QChartView* view, const QString& title, const QString& unit, const QString& figureUnit,
               const QList<Series>& all, double target, const QString& targetName, double floorMax) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(fonts::song(11));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(fonts::song(8));
    chart->setMargins(QMargins(4, 4, 4, 4));
    double top = std::max(floorMax, target);
    qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
    QList<QAbstractSeries*> lines;
    // A kind keeps its colour in both charts, whatever else is drawn.
    static const QColor colours[] = {QColor(0x2f, 0x6f, 0xc4), QColor(0xc8, 0x32, 0x2a), QColor(0x2f, 0x8f, 0x3a),
                                     QColor(0x8a, 0x4f, 0xb0), QColor(0xd0, 0x7a, 0x10), QColor(0x30, 0x8f, 0x9a),
                                     QColor(0x80, 0x60, 0x30), QColor(0xd0, 0x40, 0x90), QColor(0x50, 0x50, 0x58),
                                     QColor(0x9a, 0x9a, 0x20), QColor(0x10, 0x40, 0x80), QColor(0xe0, 0x60, 0x50)};
    const auto colourOf = [](const QString& kind) {
        const auto& kinds = history::kindNames();
        const auto it = std::find_if(kinds.begin(), kinds.end(), [&](const history::KindName& k) { return k.kind == kind; });
        return colours[size_t(it - kinds.begin()) % std::size(colours)];
    };
    double bottom = floorMax;
    for (const Series& s : all) {
        auto* series = new QLineSeries;
        series->setObjectName(QStringLiteral("data"));
        series->setName(history::kindName(s.kind));
        series->setPointsVisible(true);
        const QColor c = colourOf(s.kind);
        series->setPen(QPen(c, 2));
        for (const Point& p : s.points) {
            series->append(static_cast<qreal>(p.ms), p.value);
            top = std::max(top, p.value);
            bottom = std::min(bottom, p.value);
            first = std::min(first, p.ms);
            last = std::max(last, p.ms);
        }
        const QString name = series->name();
        const QList<Point> points = s.points;
        QObject::connect(series, &QLineSeries::hovered, view, [view, name, points, figureUnit](const QPointF& at, bool on) {
            if (!on) return QToolTip::hideText();
            const auto nearest = std::min_element(points.begin(), points.end(), [&](const Point& a, const Point& b) {
                return std::abs(double(a.ms) - at.x()) < std::abs(double(b.ms) - at.x());
            });
            QToolTip::showText(QCursor::pos(),
                               QCoreApplication::translate("HistoryView", "%1 %2：中位数 %3 %4，%5 次练习")
                                   .arg(name, QDateTime::fromMSecsSinceEpoch(nearest->ms).toString(QStringLiteral("yyyy-MM-dd")))
                                   .arg(nearest->value, 0, 'f', 0)
                                   .arg(figureUnit)
                                   .arg(nearest->sessions),
                               view);
        });
        lines << series;
        if (const QList<QPointF> t = trend(s.points); !t.isEmpty()) {
            auto* line = new QLineSeries;
            line->setObjectName(QStringLiteral("trend"));
            line->setName(QCoreApplication::translate("HistoryView", "%1趋势").arg(name));
            line->setPen(QPen(c, 1.2, Qt::DashLine));
            line->append(t);
            lines << line;
        }
    }
    if (all.isEmpty()) first = last = QDateTime::currentDateTime().toMSecsSinceEpoch();
    // Whole days: from the midnight before the first point to the one after the last,
    // widened until the ticks fall on midnights, about six of them.
    const QDate from = QDateTime::fromMSecsSinceEpoch(first).date();
    qint64 days = from.daysTo(QDateTime::fromMSecsSinceEpoch(last).date()) + 1;
    const qint64 step = std::max<qint64>(1, (days + 5) / 6);
    days = (days + step - 1) / step * step;
    const QDateTime start(from, QTime(0, 0)), end(from.addDays(days), QTime(0, 0));
    auto* goal = new QLineSeries;
    goal->setObjectName(QStringLiteral("target"));
    goal->setName(targetName);
    goal->setPen(QPen(QColor(0x40, 0x40, 0x48), 1.2, Qt::DotLine));
    goal->append(qreal(start.toMSecsSinceEpoch()), target);
    goal->append(qreal(end.toMSecsSinceEpoch()), target);
    lines << goal;
    for (QAbstractSeries* l : lines) chart->addSeries(l);
    // A trend is told by its dashes in its kind's colour: the legend names the kinds.
    for (QAbstractSeries* l : lines)
        if (l->objectName() == QLatin1String("trend"))
            for (QLegendMarker* m : chart->legend()->markers(l)) m->setVisible(false);

    auto* x = new QDateTimeAxis;
    x->setFormat(days <= 300 ? QCoreApplication::translate("HistoryView", "M月d日") : QCoreApplication::translate("HistoryView", "yy年M月d日"));
    x->setTickCount(int(days / step) + 1);
    x->setLabelsFont(fonts::song(8));
    x->setTitleFont(fonts::song(9));
    x->setRange(start, end);
    x->setTitleText(QCoreApplication::translate("HistoryView", "日期（每格 %1 天）").arg(step));
    chart->addAxis(x, Qt::AlignBottom);

    auto* y = new QValueAxis;
    // From 0, unless every point and the target sit high (accuracy): then from a ten below them.
    const double low = std::min(bottom, target) > 50 ? std::floor((std::min(bottom, target) - 5) / 10) * 10 : 0;
    y->setRange(low, top * 1.1);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(unit);
    y->setLabelsFont(fonts::song(9));
    y->setTitleFont(fonts::song(9));
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* l : lines) {
        l->attachAxis(x);
        l->attachAxis(y);
    }

    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

// What a screen reader says of a chart: how many sessions, when, lowest, highest, latest.
QString summary(const QString& what, const QString& unit, const QList<Series>& all) {
    QList<Point> points;
    for (const Series& s : all) points += s.points;
    std::stable_sort(points.begin(), points.end(), [](const Point& a, const Point& b) { return a.ms < b.ms; });
    if (points.isEmpty()) return QCoreApplication::translate("HistoryView", "%1：没有数据。").arg(what);
    double lo = points.front().value, hi = lo;
    int sessions = 0;
    for (const Point& p : points) {
        lo = std::min(lo, p.value);
        hi = std::max(hi, p.value);
        sessions += p.sessions;
    }
    const auto day = [](qint64 ms) { return QDateTime::fromMSecsSinceEpoch(ms).toString(QStringLiteral("yyyy-MM-dd")); };
    return QCoreApplication::translate("HistoryView", "%1：%2次练习，按天取中位数，共%3天，从%4到%5；最低%6%7，最高%8%7，最近一天%9%7。")
        .arg(what)
        .arg(sessions)
        .arg(points.size())
        .arg(day(points.front().ms), day(points.back().ms))
        .arg(lo, 0, 'f', 0)
        .arg(unit)
        .arg(hi, 0, 'f', 0)
        .arg(points.back().value, 0, 'f', 0);
}

// The lines the charts hold up: the report's 优秀 starts above 60 a minute.
constexpr double kTargetPerMinute = 60;
constexpr double kTargetAccuracy = 95;

}  // namespace

// The sessions table's rows: the ids of every row are read at once, the rows
// themselves a page at a time as they come into sight, and only a few pages kept.
class HistorySessions : public QAbstractTableModel {
public:
    explicit HistorySessions(QObject* parent) : QAbstractTableModel(parent) {}

    void show(const history::Store* store, QList<qint64> ids) {
        beginResetModel();
        store_ = store;
        ids_ = std::move(ids);
        pages_.clear();
        kept_.clear();
        endResetModel();
    }
    bool isEmpty() const { return ids_.isEmpty(); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(ids_.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(headers().size()); }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return headers().value(section);
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    QVariant data(const QModelIndex& index, int role) const override {
        const int c = index.column();
        const bool number = c >= 3 && c <= 8;
        if (role == Qt::TextAlignmentRole) return number ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
        // A text cut short by a narrow column is read whole from its tooltip.
        if (role != Qt::DisplayRole && !(role == Qt::ToolTipRole && !number)) return {};
        const history::Session* s = at(index.row());
        return s ? QVariant(text(*s, c)) : QVariant();
    }

private:
    static constexpr int kPage = 200, kPagesKept = 8;

    static const QStringList& headers() {
        static const QStringList h{QCoreApplication::translate("HistoryView", "时间"), QCoreApplication::translate("HistoryView", "类别"), QCoreApplication::translate("HistoryView", "课程"),
                                   QCoreApplication::translate("HistoryView", "字数"), QCoreApplication::translate("HistoryView", "正确"), QCoreApplication::translate("HistoryView", "错误"),
                                   QCoreApplication::translate("HistoryView", "用时"), QCoreApplication::translate("HistoryView", "速度(字/分)"), QCoreApplication::translate("HistoryView", "正确率"),
                                   QCoreApplication::translate("HistoryView", "评价"), QCoreApplication::translate("HistoryView", "学员")};
        return h;
    }

    static QString text(const history::Session& s, int column) {
        switch (column) {
        case 0: return s.startedAt.toString(QStringLiteral("yyyy-MM-dd hh:mm"));
        case 1: return history::kindName(s.kind);
        case 2: return kindText(s.title.toStdString());
        case 3: return QString::number(s.typed);
        case 4: return QString::number(s.right);
        case 5: return QString::number(s.wrong);
        case 6: return elapsed(s.seconds);
        case 7: return history::hasSpeed(s.kind) ? QString::number(s.perMinute) : QString();
        case 8: {
            const QString accuracy = history::accuracyText(s);
            return accuracy.isEmpty() ? QString() : accuracy + QLatin1Char('%');
        }
        case 9: return s.rating;
        case 10: return s.learner;
        default: return {};
        }
    }

    // The row's session, its page read first where it is not kept; null for a row gone
    // from the store since the ids were read.
    const history::Session* at(int row) const {
        if (!store_ || row < 0 || row >= ids_.size()) return nullptr;
        const int page = row / kPage;
        auto it = pages_.find(page);
        if (it == pages_.end()) {
            const QList<qint64> ids = ids_.mid(qsizetype(page) * kPage, kPage);
            const QList<history::Session> read = store_->sessionsById(ids);
            QList<history::Session> rows(ids.size());
            for (qsizetype i = 0, j = 0; i < ids.size() && j < read.size(); ++i)
                if (read[j].id == ids[i]) rows[i] = read[j++];
            if (kept_.size() >= kPagesKept) pages_.remove(kept_.takeFirst());
            kept_.append(page);
            it = pages_.insert(page, rows);
        }
        const history::Session& s = (*it)[row % kPage];
        return s.id == ids_[row] ? &s : nullptr;
    }

    const history::Store* store_ = nullptr;
    QList<qint64> ids_;
    mutable QHash<int, QList<history::Session>> pages_;
    mutable QList<int> kept_;  // the pages in pages_, the longest kept first
};


QString HistoryView::emptySentence() {
    return tr("还没有成绩记录：做完一次练习、看过成绩单后，您的每一次进步都会记在这里。");
}

HistoryView::HistoryView(history::Store* store, const CodeBook& book1, const radicals::Table& table,
                         Messages& messages, QWidget* parent, const QString& scheme)
    : QDialog(parent), store_(store), book1_(book1), scheme_(scheme), table_(table), messages_(messages) {
    setObjectName(QStringLiteral("historyView"));
    setWindowTitle(tr("成绩记录"));
    setFont(fonts::song(10));
    resize(760, 520);

    chooseFile = [this](const QString& caption, const QString& suggested) {
        return QFileDialog::getSaveFileName(this, caption, suggested, QStringLiteral("CSV (*.csv)"));
    };

    auto* top = new QHBoxLayout;
    auto* kindLabel = new QLabel(tr("练习类别(&K):"), this);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("historyKind"));
    kind_->setAccessibleName(tr("练习类别"));
    kind_->addItem(tr("全部"), QString());
    for (const history::KindName& k : history::kindNames()) kind_->addItem(k.name, k.kind);
    kindLabel->setBuddy(kind_);
    wholeClass_ = new QCheckBox(tr("显示全班(&C)"), this);
    wholeClass_->setObjectName(QStringLiteral("historyWholeClass"));
    wholeClass_->setAccessibleName(tr("显示全班的成绩"));
    wholeClass_->setVisible(store_ && store_->isClassServer());
    exportSessions_ = new QPushButton(tr("导出记录(&E)..."), this);
    exportSessions_->setObjectName(QStringLiteral("historyExport"));
    exportSessions_->setAccessibleName(tr("把成绩记录导出为CSV文件"));
    exportMisses_ = new QPushButton(tr("导出错误明细(&M)..."), this);
    exportMisses_->setObjectName(QStringLiteral("historyExportMisses"));
    exportMisses_->setAccessibleName(tr("把每次练习的错误明细导出为CSV文件"));
    top->addWidget(kindLabel);
    top->addWidget(kind_);
    top->addWidget(wholeClass_);
    top->addStretch(1);
    top->addWidget(exportSessions_);
    top->addWidget(exportMisses_);

    body_ = new QStackedWidget(this);
    empty_ = new QLabel(store_ ? emptySentence() : tr("成绩记录现在无法打开，练习不受影响。"), body_);
    empty_->setObjectName(QStringLiteral("historyEmpty"));
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setWordWrap(true);
    empty_->setFont(fonts::song(14));
    // Reachable with Tab, so a screen reader reads the sentence.
    empty_->setFocusPolicy(Qt::StrongFocus);
    empty_->setAccessibleName(empty_->text());
    body_->addWidget(empty_);

    tabs_ = new QTabWidget(body_);
    tabs_->setObjectName(QStringLiteral("historyTabs"));
    tabs_->setAccessibleName(tr("成绩记录的内容"));
    tabs_->tabBar()->setAccessibleName(tr("记录、图表与薄弱环节"));
    body_->addWidget(tabs_);

    sessionsTable_ = makeTable<QTableView>(tabs_, "historyTable", tr("成绩记录表，最新的在最上面"));
    sessions_ = new HistorySessions(sessionsTable_);
    sessionsTable_->setModel(sessions_);
    sessionsTable_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tabs_->addTab(sessionsTable_, tr("记录(&R)"));

    auto* charts = new QWidget(tabs_);
    charts->setObjectName(QStringLiteral("historyCharts"));
    auto* chartsLayout = new QVBoxLayout(charts);
    chartsLayout->setContentsMargins(2, 2, 2, 2);
    chartStack_ = new QStackedWidget(charts);
    chartEmpty_ = new QLabel(chartStack_);
    chartEmpty_->setObjectName(QStringLiteral("historyChartEmpty"));
    chartEmpty_->setAlignment(Qt::AlignCenter);
    chartEmpty_->setWordWrap(true);
    chartEmpty_->setFont(fonts::song(12));
    chartEmpty_->setFocusPolicy(Qt::StrongFocus);
    chartStack_->addWidget(chartEmpty_);
    auto* pair = new QWidget(chartStack_);
    auto* pairLayout = new QHBoxLayout(pair);
    pairLayout->setContentsMargins(0, 0, 0, 0);
    auto chartView = [&](const char* name, const QString& accessibleName) {
        auto* v = new QChartView(new QChart, pair);
        v->setObjectName(QString::fromLatin1(name));
        v->setAccessibleName(accessibleName);
        v->setRenderHint(QPainter::Antialiasing);
        // Focusable, so Tab reaches it and a screen reader reads its description.
        v->setFocusPolicy(Qt::StrongFocus);
        v->setMinimumSize(300, 260);
        pairLayout->addWidget(v);
        return v;
    };
    speed_ = chartView("speedChart", tr("速度图表"));
    accuracy_ = chartView("accuracyChart", tr("正确率图表"));
    chartStack_->addWidget(pair);
    chartsLayout->addWidget(chartStack_);
    tabs_->addTab(charts, tr("图表(&G)"));

    auto* weak = new QWidget(tabs_);
    weak->setObjectName(QStringLiteral("historyWeak"));
    auto* weakLayout = new QHBoxLayout(weak);
    weakChars_ = makeTable<QTableWidget>(weak, "weakCharsTable", tr("最常打错的字"));
    weakChars_->setColumnCount(5);
    weakChars_->setHorizontalHeaderLabels({tr("字"), tr("五笔编码"),
                                           tr("字根键(键名)"), tr("错误次数"), tr("错误率")});
    weakLayout->addWidget(weakChars_, 3);
    auto* side = new QVBoxLayout;
    weakKeys_ = new QLabel(weak);
    weakKeys_->setObjectName(QStringLiteral("weakKeys"));
    weakRadicalsLabel_ = new QLabel(weak);
    weakRadicalsLabel_->setObjectName(QStringLiteral("weakRadicals"));
    weakWordsLabel_ = new QLabel(weak);
    weakWordsLabel_->setObjectName(QStringLiteral("weakWords"));
    for (QLabel* l : {weakKeys_, weakRadicalsLabel_, weakWordsLabel_}) {
        l->setWordWrap(true);
        l->setFocusPolicy(Qt::StrongFocus);
        l->setTextFormat(Qt::PlainText);
        side->addWidget(l);
    }
    weakCharsButton_ = new QPushButton(weak);
    weakCharsButton_->setObjectName(QStringLiteral("weakCharsButton"));
    weakRadicalsButton_ = new QPushButton(weak);
    weakRadicalsButton_->setObjectName(QStringLiteral("weakRadicalsButton"));
    weakWordsButton_ = new QPushButton(weak);
    weakWordsButton_->setObjectName(QStringLiteral("weakWordsButton"));
    side->addStretch(1);
    side->addWidget(weakCharsButton_);
    side->addWidget(weakRadicalsButton_);
    side->addWidget(weakWordsButton_);
    weakLayout->addLayout(side, 2);
    tabs_->addTab(weak, tr("薄弱环节(&W)"));
    auto* calendarTab = new QWidget(tabs_);
    calendarTab->setObjectName(QStringLiteral("historyCalendar"));
    auto* keysTab = new QWidget(tabs_);
    keysTab->setObjectName(QStringLiteral("historyConfusions"));
    practiceTabs_ = std::make_unique<history::PracticeTabs>(calendarTab, keysTab);
    tabs_->addTab(calendarTab, tr("日历与目标(&L)"));
    tabs_->addTab(keysTab, tr("打错的键与字(&T)"));

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("historyStatus"));
    status_->setTextFormat(Qt::PlainText);
    status_->setWordWrap(true);
    close_ = new QPushButton(tr("关闭"), this);
    close_->setObjectName(QStringLiteral("historyClose"));
    close_->setAccessibleName(tr("关闭成绩记录"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(body_, 1);
    layout->addLayout(bottom);

    // Labels and charts draw no focus of their own: a frame dark enough for 3:1
    // against the window and the chart's white, kept blank when unfocused so the
    // contents never move.
    for (QWidget* w : std::initializer_list<QWidget*>{empty_, chartEmpty_, speed_, accuracy_, weakKeys_, weakRadicalsLabel_}) {
        const QString type = QString::fromLatin1(w->metaObject()->className());
        w->setStyleSheet(QStringLiteral("%1 { border: 2px solid transparent; } %1:focus { border: 2px solid #1c3f94; }").arg(type));
    }

    // Tab walks the window from the top left to the bottom right.
    QList<QWidget*> order = {kind_,   wholeClass_, exportSessions_, exportMisses_, empty_, tabs_, sessionsTable_,
                             chartEmpty_, speed_, accuracy_, weakChars_, weakKeys_, weakRadicalsLabel_,
                             weakWordsLabel_, weakCharsButton_, weakRadicalsButton_, weakWordsButton_};
    order << practiceTabs_->tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(kind_, &QComboBox::currentIndexChanged, this, [this] { reload(); });
    connect(wholeClass_, &QCheckBox::toggled, this, [this] { reload(); });
    connect(exportSessions_, &QPushButton::clicked, this, &HistoryView::exportSessions);
    connect(exportMisses_, &QPushButton::clicked, this, &HistoryView::exportMisses);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(weakCharsButton_, &QPushButton::clicked, this, [this] {
        practice_ = Practice::WeakChars;
        accept();
    });
    connect(weakRadicalsButton_, &QPushButton::clicked, this, [this] {
        practice_ = Practice::WeakRadicals;
        accept();
    });
    connect(weakWordsButton_, &QPushButton::clicked, this, [this] {
        practice_ = Practice::WeakWords;
        accept();
    });

    reload();
    fillWeakSpots();
    practiceTabs_->fill(store_, QDate::currentDate());
    showTrouble();
    kind_->setFocus();
}

HistoryView::~HistoryView() = default;

QString HistoryView::chosenKind() const { return kind_->currentData().toString(); }

bool HistoryView::wholeClass() const { return wholeClass_->isChecked(); }

QList<history::Session> HistoryView::allSessions() const {
    QList<history::Session> all = store_ ? store_->sessions(chosenKind(), wholeClass()) : QList<history::Session>();
    // Newest first, whatever order the rows came in.
    std::stable_sort(all.begin(), all.end(),
                     [](const history::Session& a, const history::Session& b) { return a.startedAt > b.startedAt; });
    return all;
}

void HistoryView::reload() {
    sessions_->show(store_, store_ ? store_->sessionIds(chosenKind(), wholeClass()) : QList<qint64>());
    // The sentence stands for a history with nothing in it at all; an empty kind keeps
    // the filter in reach and says so in the table's place.
    const bool anything = !sessions_->isEmpty() || (store_ && !chosenKind().isEmpty() && !store_->sessions({}, false, 1).isEmpty());
    body_->setCurrentWidget(anything ? static_cast<QWidget*>(tabs_) : empty_);
    exportSessions_->setEnabled(!sessions_->isEmpty());
    exportMisses_->setEnabled(!sessions_->isEmpty());
    fillTable();
    fillCharts();
    showTrouble();
}

void HistoryView::showTrouble() {
    // What could not be read is said, with where the history is; never "nothing yet".
    const QString problem = store_ ? store_->problem() : QString();
    if (store_) {
        const QString where = store_->isClassServer()
                                  ? tr("记录在服务器 %1，学员 %2").arg(store_->location(), history::Store::learnerName())
                                  : tr("记录文件：%1").arg(QDir::toNativeSeparators(store_->location()));
        empty_->setText(problem.isEmpty() ? emptySentence()
                                          : tr("成绩记录没能读出来。\n%1\n%2").arg(problem, where));
        // Beside the rows it could read; in place of the table the sentence says it all.
        if (!problem.isEmpty() && body_->currentWidget() == tabs_)
            status_->setText(tr("%1（%2）").arg(problem, where));
    }
    empty_->setAccessibleName(empty_->text());
    status_->setAccessibleName(status_->text());
}

void HistoryView::fillTable() {
    QString kindWidest;
    for (const history::KindName& k : history::kindNames())
        if (k.name.size() > kindWidest.size()) kindWidest = k.name;
    const QString figure = QStringLiteral("99999");
    // The lesson, the rating and the learner take the room the figures leave.
    fitColumns(sessionsTable_,
               {QStringLiteral("2026-12-31 23:59"), kindWidest, QString(), figure, figure, figure,
                QStringLiteral("10:00:00"), figure, QStringLiteral("100.0%")},
               {2, 9, 10});
    sessionsTable_->setColumnHidden(10, !(wholeClass_->isVisible() && wholeClass()));
}

void HistoryView::fillCharts() {
    const QList<history::Session> sessions =
        store_ ? store_->sessions(chosenKind(), wholeClass(), history::kChartSessions) : QList<history::Session>();
    // The word drills count no speed: none is drawn for them.
    const QList<Series> speed = perDay(sessions, [](const history::Session& s) -> std::optional<double> {
        if (!history::hasSpeed(s.kind)) return std::nullopt;
        return s.perMinute;
    });
    const QList<Series> accuracy = perDay(sessions, [](const history::Session& s) -> std::optional<double> {
        if (s.typed <= 0) return std::nullopt;
        return 100.0 * s.right / s.typed;
    });
    const QString kind = chosenKind().isEmpty() ? tr("全部练习") : history::kindName(chosenKind());
    if (sessions_->isEmpty()) {
        chartEmpty_->setText(tr("“%1”还没有成绩记录，做完一次就能在这里看到图表。").arg(kind));
        chartEmpty_->setAccessibleName(chartEmpty_->text());
        chartStack_->setCurrentWidget(chartEmpty_);
    } else {
        chartStack_->setCurrentIndex(1);
    }
    const QString perMinute = tr("个/分钟");
    drawChart(speed_, tr("%1：速度（每天的中位数）").arg(kind), tr("个/分钟（中文为字/分钟，英文为键/分钟）"), perMinute, speed,
              kTargetPerMinute, tr("目标 %1 个/分钟").arg(kTargetPerMinute), 10);
    drawChart(accuracy_, tr("%1：正确率（每天的中位数）").arg(kind), tr("正确率 %"), QStringLiteral("%"), accuracy,
              kTargetAccuracy, tr("目标 %1%").arg(kTargetAccuracy), 100);
    // The percentage axis ends at 100.
    if (auto* y = qobject_cast<QValueAxis*>(accuracy_->chart()->axes(Qt::Vertical).value(0))) {
        y->setMax(100);
        const int span = int(std::lround(100 - y->min()));
        y->setTickCount(span <= 50 && span % 5 == 0 ? span / 5 + 1 : 5);
    }
    speed_->setAccessibleDescription(summary(tr("%1的速度").arg(kind), perMinute, speed));
    accuracy_->setAccessibleDescription(summary(tr("%1的正确率").arg(kind), QStringLiteral("%"), accuracy));
}

void HistoryView::fillWeakSpots() {
    QList<history::MissTally> chars, keys, radicalMisses, words;
    if (store_) {
        words = store_->topMisses(QStringLiteral("word"), history::kRecentSessions, history::kWeakWords);
        chars = store_->topMisses(QStringLiteral("char"), history::kRecentSessions, history::kWeakChars, scheme_);
        keys = store_->topMisses(QStringLiteral("key"), history::kRecentSessions, history::kWeakKeys);
        radicalMisses = store_->topMisses(QStringLiteral("radical"), history::kRecentSessions, history::kWeakRadicals);
    }
    const std::vector<ByteText> weak = history::weakCharacters(chars);
    weakChars_->setRowCount(0);
    for (const history::MissTally& m : chars) {
        const ByteText c = bytes::fromUnicode(m.expected);
        if (std::find(weak.begin(), weak.end(), c) == weak.end()) continue;
        const ByteText code = history::charCode(book1_, c);
        const int r = weakChars_->rowCount();
        weakChars_->insertRow(r);
        weakChars_->setItem(r, 0, cell(m.expected));
        weakChars_->setItem(r, 1, cell(code.empty() ? tr("(码表中没有)") : bytes::toUnicode(code)));
        // The radicals' keys are Wubi's: another scheme's code is its keys already.
        const bool wubi = scheme_.isEmpty() || scheme_ == QLatin1String("wubi86");
        weakChars_->setItem(r, 2, cell(wubi ? bytes::toUnicode(history::codeKeys(code, table_)) : QString()));
        weakChars_->setItem(r, 3, cell(QString::number(m.count), true));
        weakChars_->setItem(r, 4, cell(history::rateText(m.errorRate()), true));
    }
    weakChars_->resizeColumnsToContents();
    weakChars_->horizontalHeader()->setStretchLastSection(true);

    QStringList keyTexts;
    for (const history::MissTally& m : keys)
        keyTexts << tr("%1 (%2)").arg(m.expected == QLatin1String(" ") ? tr("空格") : m.expected,
                                      history::missesText(m.count, m.errorRate()));
    weakKeys_->setText(tr("最常打错的键：") +
                       (keyTexts.isEmpty() ? tr("还没有。") : keyTexts.join(tr("，"))));
    QStringList radicalTexts;
    for (const history::MissTally& m : radicalMisses) {
        const char key = history::radicalKey(bytes::fromUnicode(m.expected), table_);
        radicalTexts << tr("%1 在%2键 (%3)")
                            .arg(m.expected, key ? QString(QLatin1Char(key)).toUpper() : QStringLiteral("?"),
                                 history::missesText(m.count, m.errorRate()));
    }
    weakRadicalsLabel_->setText(tr("最常打错的字根：") +
                                (radicalTexts.isEmpty() ? tr("还没有。")
                                                        : radicalTexts.join(tr("，"))));
    QStringList wordTexts;
    weakWords_.clear();
    for (const history::MissTally& m : words) {
        wordTexts << tr("%1 (%2)").arg(m.expected, history::missesText(m.count, m.errorRate()));
        weakWords_.push_back(bytes::fromUnicode(m.expected));
    }
    weakWordsLabel_->setText(tr("最常拼错的单词：") +
                             (wordTexts.isEmpty() ? tr("还没有。") : wordTexts.join(tr("，"))));
    for (QLabel* l : {weakKeys_, weakRadicalsLabel_, weakWordsLabel_}) l->setAccessibleName(l->text());

    weakLesson_ = history::weakCharLesson(weak);
    weakRadicals_ = history::weakRadicalEntries(radicalMisses, table_);
    // Without misses the buttons say so and start nothing.
    weakCharsButton_->setEnabled(!weakLesson_.empty());
    weakCharsButton_->setText(weakLesson_.empty() ? tr("还没有打错的字，暂无薄弱字练习")
                                                  : tr("薄弱字练习(&P)"));
    weakRadicalsButton_->setEnabled(!weakRadicals_.empty());
    weakRadicalsButton_->setText(weakRadicals_.empty() ? tr("还没有打错的字根，暂无薄弱字根练习")
                                                       : tr("薄弱字根练习(&D)"));
    weakWordsButton_->setEnabled(!weakWords_.empty());
    weakWordsButton_->setText(weakWords_.empty() ? tr("还没有拼错的单词，暂无薄弱单词练习")
                                                 : tr("薄弱单词练习(&V)"));
    weakWordsButton_->setAccessibleName(weakWordsButton_->text().remove(QStringLiteral("(&V)")));
    weakCharsButton_->setAccessibleName(weakCharsButton_->text().remove(QStringLiteral("(&P)")));
    weakRadicalsButton_->setAccessibleName(weakRadicalsButton_->text().remove(QStringLiteral("(&D)")));
}

void HistoryView::writeCsv(const QString& caption, const QString& suggested, const QByteArray& bytes, int rows) {
    // The documents folder where there is one: a folder that does not exist would have
    // the dialog open in the current directory, often the program's own.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString folder = !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
    const QString path = chooseFile(caption, QDir(folder).filePath(suggested));
    if (path.isEmpty()) return;
    QString message;
    if (!atomicwrite::write(path, bytes, &message)) {
        status_->setText(tr("没有导出。"));
        messages_.showError(message);
        return;
    }
    status_->setText(tr("已导出%1行到 %2").arg(rows).arg(QDir::toNativeSeparators(path)));
}

void HistoryView::exportSessions() {
    const QList<history::Session> all = allSessions();
    writeCsv(tr("导出成绩记录"), QStringLiteral("jaxo-history.csv"), history::sessionsCsv(all),
             static_cast<int>(all.size()));
}

void HistoryView::exportMisses() {
    QList<history::Session> withMisses = allSessions();
    int rows = 0;
    for (history::Session& s : withMisses) {
        if (store_) s.misses = store_->misses(s.id);
        rows += static_cast<int>(s.misses.size());
    }
    writeCsv(tr("导出错误明细"), QStringLiteral("jaxo-misses.csv"), history::missesCsv(withMisses), rows);
}
