// The 成绩记录 window over an in-memory store: the table newest first, the kind filter,
// the empty-history sentence, the charts, the CSV export, the weak spots and their
// two practices started from the main window, names and the Tab order.
#include "widgets/bytegridlabel.h"
#include "widgets/keylineedit.h"
#include "chinese/chinesepanel.h"
#include "history/historyview.h"
#include "radicals/radicalpanel.h"
#include "support/fakestore.h"
#include "support/testform.h"
#include "vocabulary/wordpanel.h"

#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QDateTimeAxis>
#include <QComboBox>
#include <QLabel>
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
    QList<QPointF> points(const char* chart) {
        const auto series = find<QChartView>(chart)->chart()->series();
        return series.isEmpty() ? QList<QPointF>() : qobject_cast<QLineSeries*>(series.front())->points();
    }
};

qreal ms(const QDateTime& t) { return static_cast<qreal>(t.toMSecsSinceEpoch()); }

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

    void chartsFollowTheSessions_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QList<QPointF>>("speed");
        QTest::addColumn<QList<QPointF>>("accuracy");
        QTest::newRow("oldest to newest; accuracy is right over typed, none where nothing was typed")
            << "中文练习" << QList<QPointF>{{ms(day(1)), 20}, {ms(day(3)), 30}, {ms(day(4)), 0}}
            << QList<QPointF>{{ms(day(1)), 50}, {ms(day(3)), 90}};
        QTest::newRow("one session of another kind") << "英文练习" << QList<QPointF>{{ms(day(5)), 80}}
                                                    << QList<QPointF>{{ms(day(5)), 75}};
    }
    void chartsFollowTheSessions() {
        QFETCH(QString, kind);
        QFETCH(QList<QPointF>, speed);
        QFETCH(QList<QPointF>, accuracy);
        View v(fill);
        v.chooseKind(kind);
        QCOMPARE(v.points("speedChart"), speed);
        QCOMPARE(v.points("accuracyChart"), accuracy);
        // Dated axes spanning every point; a summary for screen readers.
        QChart* chart = v.find<QChartView>("speedChart")->chart();
        auto* x = qobject_cast<QDateTimeAxis*>(chart->axes(Qt::Horizontal).value(0));
        QVERIFY(x);
        QVERIFY(ms(x->min()) <= speed.front().x() && ms(x->max()) >= speed.back().x());
        const QString said = v.find<QChartView>("speedChart")->accessibleDescription();
        QVERIFY2(said.contains(QStringLiteral("%1次练习").arg(speed.size())), qPrintable(said));
        QVERIFY2(said.contains(kind), qPrintable(said));
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
        QCOMPARE(speed.size(), 2);
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
