// The 成绩记录 window over an in-memory store: the table newest first, the kind filter,
// the empty-history sentence, the charts, the CSV export, the weak spots and their
// two practices started from the main window, names and the Tab order.
#include "widgets/bytegridlabel.h"
#include "widgets/keylineedit.h"
#include "chinese/chinesepanel.h"
#include "history/historyview.h"
#include "history/practicetabs.h"
#include "history/recorder.h"
#include "radicals/radicalpanel.h"
#include "support/fakestore.h"
#include "support/testform.h"
#include "vocabulary/wordpanel.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateTimeAxis>
#include <QValueAxis>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>
#include <QLineEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QAccessible>
#include <QtTest>

namespace {

history::Session row(const QString& kind, const QString& title, QDateTime at, int typed, int right, int perMinute) {
    history::Session s;
    s.startedAt = at;
    s.kind = kind;
    s.title = title;
    s.typed = typed;
    s.right = right;
    s.wrong = typed - right;
    s.seconds = 60;
    s.perMinute = perMinute;
    s.rating = QStringLiteral("良好");
    return s;
}

QDateTime day(int d, int h = 9) { return QDateTime(QDate(2026, 12, d), QTime(h, 0)); }

// Three Chinese lessons and an English one, recorded out of order.
void fill(FakeStore& store) {
    auto add = [&](history::Session s) { store.record(s); };
    add(row(QStringLiteral("chinese"), QStringLiteral("高频字练习"), day(3), 100, 90, 30));
    add(row(QStringLiteral("english"), QStringLiteral("英文初级练习"), day(5), 200, 150, 80));
    add(row(QStringLiteral("chinese"), QStringLiteral("文章练习"), day(1), 50, 25, 20));
    add(row(QStringLiteral("chinese"), QStringLiteral("二级简码练习"), day(4), 0, 0, 0));
}

void addMisses(FakeStore& store) {
    history::Session s = row(QStringLiteral("chinese"), QStringLiteral("高频字练习"), day(6), 40, 30, 25);
    s.misses = {{QStringLiteral("char"), QStringLiteral("的"), QStringLiteral("白"), 2},
                {QStringLiteral("char"), QStringLiteral("经"), QStringLiteral("轻"), 5},
                {QStringLiteral("char"), QStringLiteral("中国"), QString(), 9},
                {QStringLiteral("radical"), QStringLiteral("钅"), QStringLiteral("w"), 3},
                {QStringLiteral("key"), QStringLiteral(" "), QStringLiteral("#"), 4}};
    store.record(s);
}

// A later session that counted what was asked: 经 once wrong of 4, the space twice of 40,
// f once of 10; before it nothing was counted, so only its own misses make the rates.
void addCountedMisses(FakeStore& store) {
    history::Session s = row(QStringLiteral("chinese"), QStringLiteral("高频字练习"), day(7), 40, 30, 25);
    s.misses = {{QStringLiteral("char"), QStringLiteral("经"), QStringLiteral("轻"), 1},
                {QStringLiteral("key"), QStringLiteral(" "), QStringLiteral("#"), 2},
                {QStringLiteral("key"), QStringLiteral("f"), QStringLiteral("g"), 1}};
    s.tallies = {{QStringLiteral("char"), QStringLiteral("经"), 4},
                 {QStringLiteral("key"), QStringLiteral(" "), 40},
                 {QStringLiteral("key"), QStringLiteral("f"), 10},
                 {QStringLiteral("key"), QStringLiteral("j"), 30}};
    store.record(s);
}

// Two word drills: "cat" missed three times, "book" once; speeds the report never showed.
void addWordMisses(FakeStore& store) {
    history::Session a = row(QStringLiteral("vocabulary"), QStringLiteral("新版小学英语"), day(7), 10, 8, 0);
    a.misses = {{QStringLiteral("word"), QStringLiteral("cat"), QStringLiteral("cta"), 2},
                {QStringLiteral("word"), QStringLiteral("book"), QStringLiteral("bok"), 1}};
    store.record(a);
    history::Session b = row(QStringLiteral("vocabulary"), QStringLiteral("新版小学英语"), day(8), 4, 3, 0);
    b.misses = {{QStringLiteral("word"), QStringLiteral("cat"), QString(), 1}};
    store.record(b);
}

struct View {
    FakeStore store;
    CodeBook book;
    radicals::Table table;
    FakeMessages messages;
    std::unique_ptr<HistoryView> view;

    explicit View(const std::function<void(FakeStore&)>& prepare = {}) {
        if (prepare) prepare(store);
        radicals::buildRadicalTable(table);
        book.loadText(bytes::gb("的r    rqyy \r\n经     xcag \r\n"));
        view = std::make_unique<HistoryView>(&store, book, table, messages);
        view->resize(800, 600);
    }
    template <typename T>
    T* find(const char* name) {
        return view->findChild<T*>(QString::fromLatin1(name));
    }
    QTableView* table_() { return find<QTableView>("historyTable"); }
    int rows() { return table_()->model()->rowCount(); }
    // What the cell shows, or what its tooltip says.
    QString text(int r, int c, int role = Qt::DisplayRole) { return table_()->model()->index(r, c).data(role).toString(); }
    QStringList column(int c) {
        QStringList out;
        for (int r = 0; r < rows(); ++r) out << text(r, c);
        return out;
    }
    void chooseKind(const QString& name) {
        auto* kind = find<QComboBox>("historyKind");
        kind->setCurrentIndex(kind->findText(name));
    }
    // The points of every kind's line (not the trends or the target), oldest first.
    QList<QPointF> points(const char* chart) {
        QList<QPointF> out;
        for (QAbstractSeries* s : find<QChartView>(chart)->chart()->series())
            if (s->objectName() == QLatin1String("data")) out += qobject_cast<QLineSeries*>(s)->points();
        std::stable_sort(out.begin(), out.end(), [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); });
        return out;
    }
    QStringList seriesNames(const char* chart) {
        QStringList out;
        for (QAbstractSeries* s : find<QChartView>(chart)->chart()->series()) out << s->objectName() + QLatin1Char(' ') + s->name();
        return out;
    }
};

qreal ms(const QDateTime& t) { return static_cast<qreal>(t.toMSecsSinceEpoch()); }
qreal noon(int d) { return ms(day(d, 12)); }

}  // namespace

class TestHistoryView : public QObject {
    Q_OBJECT
private slots:
    void tableNewestFirstAndFiltered_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QStringList>("titles");
        QTest::newRow("every kind, newest first")
            << "全部" << QStringList{"英文初级练习", "二级简码练习", "高频字练习", "文章练习"};
        QTest::newRow("one kind keeps only its rows, newest first")
            << "中文练习" << QStringList{"二级简码练习", "高频字练习", "文章练习"};
        QTest::newRow("another kind") << "英文练习" << QStringList{"英文初级练习"};
        QTest::newRow("a kind without rows shows an empty table") << "背单词" << QStringList{};
    }
    void tableNewestFirstAndFiltered() {
        QFETCH(QString, kind);
        QFETCH(QStringList, titles);
        View v(fill);
        v.chooseKind(kind);
        QCOMPARE(v.column(2), titles);
        // The history is not empty: the table stays in reach, not the sentence.
        QVERIFY(v.find<QTabWidget>("historyTabs")->isVisibleTo(v.view.get()));
    }

    void rowShowsTheReportFigures() {
        View v(fill);
        v.chooseKind(QStringLiteral("中文练习"));
        const QStringList cells = [&] {
            QStringList c;
            for (int i = 0; i < 10; ++i) c << v.text(1, i);
            return c;
        }();
        QCOMPARE(cells, (QStringList{"2026-12-03 09:00", "中文练习", "高频字练习", "100", "90", "10", "0:01:00", "30",
                                     "90.0%", "良好"}));
        // Nothing typed: no accuracy is made up.
        QCOMPARE(v.text(0, 8), QString());
    }

    // A word drill's report has no speed: its rows show none and chart none; the
    // words it missed are listed, most-missed first, with their drill on offer.
    void wordDrillsHaveNoSpeedButWeakWords() {
        View v([](FakeStore& s) {
            fill(s);
            addWordMisses(s);
        });
        v.chooseKind(QStringLiteral("背单词"));
        QCOMPARE(v.column(7), (QStringList{QString(), QString()}));
        QCOMPARE(v.column(8), (QStringList{"75.0%", "80.0%"}));
        QVERIFY(v.points("speedChart").isEmpty());
        QCOMPARE(v.points("accuracyChart").size(), 2);
        v.chooseKind(QStringLiteral("全部"));
        QCOMPARE(v.points("speedChart").size(), 4);
        QVERIFY2(!v.seriesNames("speedChart").contains(QStringLiteral("data 背单词")), "no speed line for word drills");
        QCOMPARE(v.find<QLabel>("weakWords")->text(), QStringLiteral("最常拼错的单词：cat (3次)，book (1次)"));
        QVERIFY(v.find<QPushButton>("weakWordsButton")->isEnabled());
        QCOMPARE(v.view->weakWords(), (std::vector<ByteText>{"cat", "book"}));
    }

    // The columns fill the window as it grows; a text cut short is whole in its tooltip;
    // the export starts in the documents folder, or the home folder without one.
    void columnsStretchAndExportStartsAtHome() {
        View v(fill);
        v.view->show();
        QTableView* t = v.table_();
        const auto used = [t] {
            int w = 0;
            for (int c = 0; c < 10; ++c) w += t->columnWidth(c);
            return w;
        };
        const int narrow = t->columnWidth(2);
        v.view->resize(1100, 600);
        QTRY_VERIFY(t->columnWidth(2) > narrow && std::abs(used() - t->viewport()->width()) <= 2);
        QCOMPARE(v.text(0, 2, Qt::ToolTipRole), v.text(0, 2));

        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("HOME", home.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");  // no user-dirs file names another documents folder
        const QString documents = home.filePath(QStringLiteral("Documents"));
        QStringList folders;
        v.view->chooseFile = [&](const QString&, const QString& suggested) {
            folders << QFileInfo(suggested).absolutePath();
            return QString();
        };
        QTest::mouseClick(v.find<QPushButton>("historyExport"), Qt::LeftButton);
        QDir().mkpath(documents);
        QTest::mouseClick(v.find<QPushButton>("historyExport"), Qt::LeftButton);
        qputenv("HOME", oldHome);
        QCOMPARE(folders, (QStringList{home.path(), documents}));
    }

    // The window says "nothing yet" only of a history it read; anything it could not
    // read is said, with where the history is, beside whatever it could.
    void whatTheWindowSays_data() {
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<bool>("rows");
        QTest::newRow("an empty history that was read: the one sentence") << QString() << false;
        QTest::newRow("a history that could not be read says why and where, not that it is empty")
            << QStringLiteral("读取 memory 时出错：no such column: right_count") << false;
        QTest::newRow("a history read only in part shows its rows and the trouble")
            << QStringLiteral("成绩记录文件 memory 现在无法写入：disk I/O error") << true;
    }
    void whatTheWindowSays() {
        QFETCH(QString, trouble);
        QFETCH(bool, rows);
        View v([&](FakeStore& s) {
            s.trouble = trouble;
            if (rows) fill(s);
        });
        v.view->show();
        auto* sentence = v.find<QLabel>("historyEmpty");
        auto* status = v.find<QLabel>("historyStatus");
        QCOMPARE(v.find<QTabWidget>("historyTabs")->isVisible(), rows);
        QCOMPARE(sentence->isVisible(), !rows);
        QCOMPARE(v.find<QPushButton>("historyExport")->isEnabled(), rows);
        if (trouble.isEmpty()) {
            QCOMPARE(sentence->text(), HistoryView::emptySentence());
            return;
        }
        const QLabel* said = rows ? status : sentence;
        QVERIFY2(said->text().contains(trouble) && said->text().contains(QStringLiteral("记录文件：memory")),
                 qPrintable(said->text()));
        QVERIFY(!sentence->text().contains(HistoryView::emptySentence()));
        QCOMPARE(said->accessibleName(), said->text());
    }

    void noStoreSaysSo() {
        CodeBook book;
        radicals::Table table;
        FakeMessages messages;
        HistoryView view(nullptr, book, table, messages);
        view.show();
        auto* sentence = view.findChild<QLabel*>(QStringLiteral("historyEmpty"));
        QVERIFY(sentence->isVisible());
        QVERIFY(sentence->text().contains(QStringLiteral("无法打开")));
    }

    // One point per kind and day, at the day's noon between midnight ticks: the median
    // of the day's sessions; a trend per kind and the target line beside them.
    void chartsFollowTheSessions_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<int>>("extraSpeeds");  // more Chinese sessions on day 3, all typed right
        QTest::addColumn<QList<QPointF>>("speed");
        QTest::addColumn<QList<QPointF>>("accuracy");
        QTest::addColumn<QStringList>("lines");
        const QStringList chineseLines{"data 中文练习", "trend 中文练习趋势", "target 目标 60 个/分钟"};
        QTest::newRow("oldest to newest; accuracy is right over typed, none where nothing was typed")
            << "中文练习" << QList<int>{} << QList<QPointF>{{noon(1), 20}, {noon(3), 30}, {noon(4), 0}}
            << QList<QPointF>{{noon(1), 50}, {noon(3), 90}} << chineseLines;
        QTest::newRow("several sessions a day make one point, their median")
            << "中文练习" << QList<int>{10, 70} << QList<QPointF>{{noon(1), 20}, {noon(3), 30}, {noon(4), 0}}
            << QList<QPointF>{{noon(1), 50}, {noon(3), 100}} << chineseLines;
        QTest::newRow("one session of another kind: no trend from one day")
            << "英文练习" << QList<int>{} << QList<QPointF>{{noon(5), 80}} << QList<QPointF>{{noon(5), 75}}
            << QStringList{"data 英文练习", "target 目标 60 个/分钟"};
        QTest::newRow("every kind: a line each")
            << "全部" << QList<int>{} << QList<QPointF>{{noon(1), 20}, {noon(3), 30}, {noon(4), 0}, {noon(5), 80}}
            << QList<QPointF>{{noon(1), 50}, {noon(3), 90}, {noon(5), 75}}
            << QStringList{"data 中文练习", "trend 中文练习趋势", "data 英文练习", "target 目标 60 个/分钟"};
    }
    void chartsFollowTheSessions() {
        QFETCH(QString, kind);
        QFETCH(QList<int>, extraSpeeds);
        QFETCH(QList<QPointF>, speed);
        QFETCH(QList<QPointF>, accuracy);
        QFETCH(QStringList, lines);
        View v([&](FakeStore& s) {
            fill(s);
            for (int i = 0; i < extraSpeeds.size(); ++i) {
                history::Session extra = row(QStringLiteral("chinese"), QStringLiteral("高频字练习"), day(3, 15 + i), 100, 100,
                                             extraSpeeds[i]);
                s.record(extra);
            }
        });
        v.chooseKind(kind);
        QCOMPARE(v.points("speedChart"), speed);
        QCOMPARE(v.points("accuracyChart"), accuracy);
        QCOMPARE(v.seriesNames("speedChart"), lines);
        // Dated axes from the midnight before the first point to one after the last,
        // ticks on midnights; the unit on the axis; a summary for screen readers.
        QChart* chart = v.find<QChartView>("speedChart")->chart();
        auto* x = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(x);
        QVERIFY(ms(x->min()) < speed.front().x() && ms(x->max()) > speed.back().x());
        QCOMPARE(x->min().time(), QTime(0, 0));
        const qint64 tickMs = (x->max().toMSecsSinceEpoch() - x->min().toMSecsSinceEpoch()) / (x->tickCount() - 1);
        QCOMPARE(tickMs % (24LL * 3600 * 1000), 0);
        auto* y = qobject_cast<QValueAxis*>(chart->axes(Qt::Vertical).value(0));
        QVERIFY2(y->titleText().contains(QStringLiteral("个/分钟")), qPrintable(y->titleText()));
        const QString said = v.find<QChartView>("speedChart")->accessibleDescription();
        QVERIFY2(said.contains(QStringLiteral("共%1天").arg(speed.size())), qPrintable(said));
        QVERIFY2(said.contains(kind == QLatin1String("全部") ? QStringLiteral("全部练习") : kind), qPrintable(said));
    }

    void chartsOfAnEmptyKindSaySo() {
        View v(fill);
        v.view->show();
        v.chooseKind(QStringLiteral("背单词"));
        v.find<QTabWidget>("historyTabs")->setCurrentIndex(1);
        auto* sentence = v.find<QLabel>("historyChartEmpty");
        QVERIFY(sentence->isVisible());
        QVERIFY(sentence->text().contains(QStringLiteral("背单词")));
        QVERIFY(!v.find<QChartView>("speedChart")->isVisible());
    }

    void exportWritesCsvWithBom() {
        View v([](FakeStore& s) {
            history::Session one = row(QStringLiteral("chinese"), QStringLiteral("a,\"b\"\nc"), day(2), 10, 9, 5);
            s.record(one);
        });
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("h.csv"));
        QString asked;
        v.view->chooseFile = [&](const QString& caption, const QString&) {
            asked = caption;
            return path;
        };
        QTest::mouseClick(v.find<QPushButton>("historyExport"), Qt::LeftButton);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QVERIFY2(bytes.contains(",\"a,\"\"b\"\"\nc\",10,9,1,"), bytes.constData());
        QVERIFY(v.find<QLabel>("historyStatus")->text().contains(QStringLiteral("已导出1行")));
        QVERIFY(v.messages.errors.isEmpty());
    }

    void exportFailureLosesNothingAndSaysSo() {
        View v(fill);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/h.csv"));
        v.view->chooseFile = [&](const QString&, const QString&) { return path; };
        QTest::mouseClick(v.find<QPushButton>("historyExport"), Qt::LeftButton);
        QCOMPARE(v.messages.errors.size(), 1);
        QVERIFY(v.messages.errors.front().contains(path));
        QVERIFY(!QFile::exists(path));
        // A cancelled dialog writes nothing and says nothing.
        v.view->chooseFile = [](const QString&, const QString&) { return QString(); };
        QTest::mouseClick(v.find<QPushButton>("historyExport"), Qt::LeftButton);
        QCOMPARE(v.messages.errors.size(), 1);
    }

    void exportMisses() {
        View v(addMisses);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("m.csv"));
        v.view->chooseFile = [&](const QString&, const QString&) { return path; };
        QTest::mouseClick(v.find<QPushButton>("historyExportMisses"), Qt::LeftButton);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(f.readAll().mid(3));
        QCOMPARE(text.count(QStringLiteral("\r\n")), 6);  // the header and five misses
        QVERIFY(text.contains(QStringLiteral(",chinese,char,经,轻,5,")));
    }

    void weakSpots() {
        View v(addMisses);
        auto* chars = v.find<QTableWidget>("weakCharsTable");
        // Most-missed first; the two-character word is no page character.
        QCOMPARE(chars->rowCount(), 2);
        QCOMPARE(chars->item(0, 0)->text(), QStringLiteral("经"));
        QCOMPARE(chars->item(0, 1)->text(), QStringLiteral("xcag"));
        QCOMPARE(chars->item(0, 2)->text(), QStringLiteral("x纟 c又 a工 g王"));
        QCOMPARE(chars->item(0, 3)->text(), QStringLiteral("5"));
        QCOMPARE(chars->item(1, 0)->text(), QStringLiteral("的"));
        QVERIFY(v.find<QLabel>("weakRadicals")->text().contains(QStringLiteral("钅 在Q键 (3次)")));
        // A key with no shape of its own is named.
        QVERIFY2(v.find<QLabel>("weakKeys")->text().contains(QStringLiteral("空格 (4次)")), qPrintable(v.find<QLabel>("weakKeys")->text()));
        QVERIFY(v.find<QPushButton>("weakCharsButton")->isEnabled());
        QVERIFY(v.find<QPushButton>("weakRadicalsButton")->isEnabled());
        // Sessions from before the counting have no rate.
        QCOMPARE(chars->item(0, 4)->text(), QStringLiteral("—"));

        // Misses against the times asked, and per finger the worst rate first.
        View counted([](FakeStore& f) {
            addMisses(f);
            addCountedMisses(f);
        });
        chars = counted.find<QTableWidget>("weakCharsTable");
        QCOMPARE(chars->item(0, 3)->text(), QStringLiteral("6"));
        QCOMPARE(chars->item(0, 4)->text(), QStringLiteral("25%"));
        QCOMPARE(chars->item(1, 4)->text(), QStringLiteral("—"));
        const QString keys = counted.find<QLabel>("weakKeys")->text();
        QVERIFY2(keys.contains(QStringLiteral("空格 (6次，错误率5%)")) && keys.contains(QStringLiteral("f (1次，错误率10%)")),
                 qPrintable(keys));
        const QString fingers = counted.find<QLabel>("fingerMisses")->text();
        QVERIFY2(fingers.contains(QStringLiteral("左手食指 1次，错误率10%，拇指 6次，错误率5%")), qPrintable(fingers));
    }

    void noMissesButtonsSaySo() {
        View v(fill);
        for (const char* name : {"weakCharsButton", "weakRadicalsButton"}) {
            auto* b = v.find<QPushButton>(name);
            QVERIFY(!b->isEnabled());
            QVERIFY2(b->text().contains(QStringLiteral("还没有")), qPrintable(b->text()));
        }
    }

    void everyControlNamedAndReachedByTab() {
        View v(fill);
        v.store.classServer = true;
        v.view = std::make_unique<HistoryView>(&v.store, v.book, v.table, v.messages);
        v.view->show();
        QVERIFY(QTest::qWaitForWindowActive(v.view.get()));
        // Every focusable control has a name a screen reader can say.
        for (QWidget* w : v.view->findChildren<QWidget*>()) {
            if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus)) continue;
            const bool named = !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty();
            QVERIFY2(named, qPrintable(w->objectName() + QLatin1Char(' ') + w->metaObject()->className()));
        }
        // Tab from the kind list passes the class choice, the export buttons and the
        // table, and comes back round.
        QStringList walked;
        QWidget* start = v.find<QComboBox>("historyKind");
        start->setFocus();
        for (int i = 0; i < 30; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << QApplication::focusWidget()->objectName();
            if (QApplication::focusWidget() == start) break;
        }
        for (const char* name : {"historyWholeClass", "historyExport", "historyExportMisses", "historyTable", "historyClose"})
            QVERIFY2(walked.contains(QString::fromLatin1(name)), qPrintable(walked.join(QLatin1Char(','))));
        QCOMPARE(QApplication::focusWidget(), start);
        // Every Tab stop looks different with the focus on it, and is named where it is.
        for (const auto& [page, name] : {std::pair{1, "speedChart"}, {1, "accuracyChart"}, {2, "weakKeys"}, {2, "weakRadicals"}}) {
            v.view->findChild<QTabWidget*>()->setCurrentIndex(page);
            auto* w = v.find<QWidget>(name);
            QVERIFY2(w->isVisible(), name);
            v.find<QWidget>("historyClose")->setFocus();
            const QImage without = w->grab().toImage();
            w->setFocus(Qt::TabFocusReason);
            QVERIFY2(w->grab().toImage() != without, name);
            QVERIFY2(!QAccessible::queryAccessibleInterface(QApplication::focusWidget())->text(QAccessible::Name).isEmpty(), name);
        }
    }

    void wholeClassShowsEveryLearner() {
        View v([](FakeStore& s) {
            s.classServer = true;
            fill(s);
            history::Session other = row(QStringLiteral("chinese"), QStringLiteral("三级简码练习"), day(2), 10, 10, 9);
            other.learner = QStringLiteral("zhang");
            s.record(other);
        });
        QCOMPARE(v.rows(), 4);
        v.find<QCheckBox>("historyWholeClass")->setChecked(true);
        QCOMPARE(v.rows(), 5);
        QVERIFY(v.column(10).contains(QStringLiteral("zhang")));
    }

    // The calendar tab: each day's figures, the goal set there and kept in its file;
    // the confusions tab: the heat map, the fingers and "typed X for Y", commonest first.
    void calendarAndConfusions() {
        QTemporaryDir config;
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
        View v([](FakeStore& s) {
            fill(s);
            addMisses(s);
        });
        auto* calendar = v.find<history::CalendarGrid>("practiceCalendar");
        QCOMPARE(calendar->dayText(QDate(2026, 12, 3)), QStringLiteral("2026-12-03：练习 1 分钟，1 次，打了 100 字"));
        QCOMPARE(calendar->dayText(QDate(2026, 12, 2)), QStringLiteral("2026-12-02：没有练习"));
        QVERIFY(!calendar->accessibleDescription().isEmpty());
        auto* amount = v.find<QSpinBox>("goalAmount");
        amount->setValue(45);
        emit amount->editingFinished();
        QFile goal(config.path() + QStringLiteral("/jaxo/dailygoal"));
        QVERIFY(goal.open(QIODevice::ReadOnly));
        QCOMPARE(goal.readAll(), QByteArray("minutes 45\n"));
        QVERIFY2(v.find<QLabel>("goalState")->text().contains(QStringLiteral("/45 分钟")), qPrintable(v.find<QLabel>("goalState")->text()));

        auto* table = v.find<QTableWidget>("confusionsTable");
        QStringList rows;
        for (int r = 0; r < table->rowCount(); ++r)
            rows << table->item(r, 0)->text() + QLatin1Char('>') + table->item(r, 1)->text() + QLatin1Char(' ') + table->item(r, 2)->text();
        // A character left out (nothing typed) and the radicals are no confusions here.
        QCOMPARE(rows, (QStringList{"经>轻 5", "空格># 4", "的>白 2"}));
        QVERIFY2(v.find<QWidget>("keyHeatMap")->accessibleDescription().contains(QStringLiteral("空格 4次")),
                 qPrintable(v.find<QWidget>("keyHeatMap")->accessibleDescription()));
        QVERIFY(v.find<QLabel>("fingerMisses")->text().contains(QStringLiteral("拇指 4次")));
        qunsetenv("XDG_CONFIG_HOME");
    }

    void keysAndFingers_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<char>("key");
        QTest::addColumn<QString>("finger");
        QTest::newRow("a capital is its letter's key") << "A" << 'a' << "左手小指";
        QTest::newRow("a shifted symbol is its digit's key") << "!" << '1' << "左手小指";
        QTest::newRow("the home row's right little finger") << ";" << ';' << "右手小指";
        QTest::newRow("the right forefinger reaches n") << "n" << 'n' << "右手食指";
        QTest::newRow("the blank is the thumbs'") << " " << ' ' << "拇指";
        QTest::newRow("a character is no key") << "中" << '\0' << "";
    }
    void keysAndFingers() {
        QFETCH(QString, typed);
        QFETCH(char, key);
        QFETCH(QString, finger);
        QCOMPARE(history::KeyHeatMap::keyOf(typed[0]), key);
        QCOMPARE(history::KeyHeatMap::fingerOf(key), finger);
    }

    // 今日复习: keys missed yesterday are due, counted on the button and in its menu; a
    // review typed right puts them off six days; the goal's progress is on the status bar.
    void todayReviewFromTheToolBar() {
        qunsetenv("JAXO_HISTORY_URL");
        TestForm t;
        {
            auto store = history::Store::openFile(history::Store::localFile());
            history::Session yesterday = row(QStringLiteral("english"), QStringLiteral("英文初级练习"),
                                             QDateTime::currentDateTime().addDays(-1), 10, 8, 30);
            yesterday.misses = {{QStringLiteral("key"), QStringLiteral("q"), QStringLiteral("w"), 1},
                                {QStringLiteral("key"), QStringLiteral("p"), QStringLiteral("o"), 1}};
            QVERIFY(store->record(yesterday));
        }
        QCoreApplication::processEvents();  // the first reading, queued at start
        auto* button = t.find<QToolButton>(QStringLiteral("reviewButton"));
        QCOMPARE(button->text(), QStringLiteral("复习 2"));
        QVERIFY(button->accessibleDescription().contains(QStringLiteral("按键 2")));
        QVERIFY(!button->menu()->findChild<QAction*>(QStringLiteral("review-char"))->isEnabled());
        // Practised yesterday, not yet today: the run of days still stands.
        QCOMPARE(t.find<QLabel>(QStringLiteral("dailyGoal"))->text(), QStringLiteral("今日目标 0/20 分钟，连续 1 天"));
        t.form->show();
        button->menu()->findChild<QAction*>(QStringLiteral("review-key"))->trigger();
        const ByteText line = t.find<ByteGridLabel>(QStringLiteral("englishtext1"))->bytes();
        QVERIFY2(line.find('q') != ByteText::npos && line.find('p') != ByteText::npos, line.c_str());
        QTest::keyClicks(t.find<KeyLineEdit>(QStringLiteral("englishput1")), QString::fromLatin1(line.c_str()));
        QTest::keyClick(t.find<KeyLineEdit>(QStringLiteral("englishput2")), Qt::Key_Escape);
        t.form->history().flush();
        QCoreApplication::processEvents();
        const auto store = history::Store::openFile(history::Store::localFile());
        const QDate today = QDate::currentDate();
        QCOMPARE(store->dueReviews(today.addDays(5)).size(), 0);
        QCOMPARE(store->dueReviews(today.addDays(6)).size(), 2);
        QCOMPARE(store->sessions({}, false, 1).value(0).kind, QStringLiteral("review-keys"));
        QTRY_COMPARE(button->text(), QStringLiteral("今日复习"));
    }

    // The main window: the button on the 系统 tab and the two practices it leads to.
    void mainWindowButton() {
        TestForm t;
        auto* button = t.find<QToolButton>(QStringLiteral("historyButton"));
        QVERIFY(button);
        QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("cool6"));
        QCOMPARE(button->text(), QStringLiteral("成绩记录"));
        QCOMPARE(button->accessibleName(), QStringLiteral("成绩记录"));
        QVERIFY(!button->icon().isNull());
        QVERIFY(!button->property("jaxoHint").toString().isEmpty());
        // A new history: the window opens on the one friendly sentence.
        qunsetenv("JAXO_HISTORY_URL");
        QString shown;
        t.onModal = [&](QDialog& d) {
            auto* sentence = d.findChild<QLabel*>(QStringLiteral("historyEmpty"));
            if (sentence->isVisibleTo(&d)) shown = sentence->text();
        };
        t.form->show();
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(t.lastModal, QStringLiteral("historyView"));
        QCOMPARE(shown, HistoryView::emptySentence());
        QVERIFY(t.messages.errors.isEmpty());
    }

    void weakCharLessonFromTheWindow() {
        auto t = std::make_unique<TestForm>();
        rebuildWithStore(*t, addMisses);
        t->onModal = [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("weakCharsButton")), Qt::LeftButton); };
        t->form->show();
        QTest::mouseClick(t->find<QToolButton>(QStringLiteral("historyButton")), Qt::LeftButton);
        QCOMPARE(t->lastModal, QStringLiteral("historyView"));
        QVERIFY(t->form->chinesePanel()->isVisible());
        QCOMPARE(t->find<QLabel>(QStringLiteral("zzz2"))->text(), QStringLiteral("薄弱字练习"));
        // The page starts with the most-missed character and is full.
        const QString cycle = QString(QStringLiteral("经的")).repeated(83);
        for (int k = 1; k <= 5; ++k) {
            const QString line = bytes::toUnicode(t->find<ByteGridLabel>(QStringLiteral("chinatext%1").arg(k))->bytes());
            QCOMPARE(line, cycle.mid((k - 1) * 33, 33));
        }
        // The hints read the code books, as for any lesson.
        QVERIFY(t->find<QLabel>(QStringLiteral("wbLabel1"))->text().startsWith(QStringLiteral("经")));
    }

    void weakWordDrillFromTheWindow() {
        TestForm t;
        rebuildWithStore(t, addWordMisses);
        t.onModal = [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("weakWordsButton")), Qt::LeftButton); };
        QTest::mouseClick(t.find<QToolButton>(QStringLiteral("historyButton")), Qt::LeftButton);
        QCOMPARE(t.find<QLabel>(QStringLiteral("bdczuang2a"))->text(), QStringLiteral("薄弱单词练习"));
        // Each missed word in turn, with its meaning from the word lists.
        QStringList asked;
        for (int i = 0; i < 3; ++i) {
            const QString word = t.find<QLabel>(QStringLiteral("bdcdc"))->text();
            asked << word + QLatin1Char('=') + t.find<QLabel>(QStringLiteral("bdccy"))->text();
            QTest::keyClicks(t.find<QLineEdit>(QStringLiteral("bdcput")), word + QLatin1Char('\r'));
        }
        QVERIFY2(asked.contains(QStringLiteral("cat=n. 猫")) && asked.contains(QStringLiteral("book=n. 书")),
                 qPrintable(asked.join(QLatin1Char('|'))));
        QCOMPARE(t.form->wordPanel()->score().rightCount, 3);
    }

    void closingStartsNothing() {
        TestForm t;
        rebuildWithStore(t, addMisses);
        t.form->show();
        QTest::mouseClick(t.find<QToolButton>(QStringLiteral("historyButton")), Qt::LeftButton);
        QCOMPARE(t.modalCount, 1);
        QVERIFY(!t.form->chinesePanel()->isVisible());
        QVERIFY(!t.form->radicalPanel()->isVisible());
        QVERIFY(t.form->toolBarTabs()->isEnabled());
    }

    // The real store in the temporary data folder, written by finished exercises.
    void finishedDrillsListedAndCharted() {
        qunsetenv("JAXO_HISTORY_URL");
        TestForm t;
        t.form->show();
        QString wrongRadical;
        for (int i = 0; i < 2; ++i) {
            t.form->startExercise(ExerciseId::RadicalDrill);
            auto* put = t.find<KeyLineEdit>(QStringLiteral("zgput"));
            const ByteText row = t.find<ByteGridLabel>(QStringLiteral("zgtext2"))->bytes();
            const int entry = radicals::scan(radicals::table(), bytes::copy(row, 1, 2));
            const char right = radicals::keyOf(radicals::table()[static_cast<size_t>(entry)]);
            // The first drill answers its first radical wrong, the second right.
            if (i == 0) wrongRadical = bytes::toUnicode(bytes::copy(row, 1, 2));
            QTest::keyClick(put, i == 0 ? (right == 'a' ? 'b' : 'a') : right);
            QTest::keyClick(put, Qt::Key_Escape);
        }
        QCOMPARE(t.modalCount, 2);
        QCoreApplication::processEvents();  // what the open report's event loop would run
        QStringList kinds;
        QList<QPointF> speed;
        QString weakRadicals;
        bool weakCharsOffered = true;
        t.onModal = [&](QDialog& d) {
            const QAbstractItemModel* table = d.findChild<QTableView*>(QStringLiteral("historyTable"))->model();
            for (int r = 0; r < table->rowCount(); ++r)
                kinds << table->index(r, 1).data().toString() + table->index(r, 4).data().toString();
            auto* kind = d.findChild<QComboBox*>(QStringLiteral("historyKind"));
            kind->setCurrentIndex(kind->findText(QStringLiteral("字根练习")));
            auto* chart = d.findChild<QChartView*>(QStringLiteral("speedChart"))->chart();
            speed = qobject_cast<QLineSeries*>(chart->series().value(0))->points();
            weakRadicals = d.findChild<QLabel*>(QStringLiteral("weakRadicals"))->text();
            weakCharsOffered = d.findChild<QPushButton*>(QStringLiteral("weakCharsButton"))->isEnabled();
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("weakRadicalsButton")), Qt::LeftButton);
        };
        QTest::mouseClick(t.find<QToolButton>(QStringLiteral("historyButton")), Qt::LeftButton);
        QCOMPARE(t.messages.errors, QStringList());
        // Newest first: the right answer, then the wrong one.
        QCOMPARE(kinds, (QStringList{QStringLiteral("字根练习1"), QStringLiteral("字根练习0")}));
        QCOMPARE(speed.size(), 1);  // two drills of one day: one point
        QVERIFY2(weakRadicals.contains(wrongRadical + QStringLiteral(" 在")), qPrintable(weakRadicals));
        QVERIFY(!weakCharsOffered);
        // The drill over the missed radical.
        QVERIFY(t.form->radicalPanel()->isVisible());
        QCOMPARE(bytes::toUnicode(t.find<ByteGridLabel>(QStringLiteral("zgtext2"))->bytes()), wrongRadical.repeated(25));
    }

private:
    // TestForm builds its window without a store; this one opens the given store.
    static void rebuildWithStore(TestForm& t, const std::function<void(FakeStore&)>& prepare);
};

void TestHistoryView::rebuildWithStore(TestForm& t, const std::function<void(FakeStore&)>& prepare) {
    t.openHistory = [prepare] {
        auto s = std::make_unique<FakeStore>();
        prepare(*s);
        return std::unique_ptr<history::Store>(std::move(s));
    };
    t.build();
}

QTEST_MAIN(TestHistoryView)
#include "test_history_view.moc"
