// Every exercise of the tool bar, started as the learner starts it (its button, or the
// item of its drop-down menu) on the real main window: the page it opens, its music,
// what a text that cannot be read does, its report and its history row.
#include "chinese/chinesepanel.h"
#include "history/historystore.h"
#include "history/recorder.h"
#include "support/testform.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QFile>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>
#include <iterator>

namespace {

// The settings file's music switches, by line (from 1): main, Chinese, English, test, word.
constexpr int kMainMusic = 4;
constexpr int kLastMusic = 8;

struct Exercise {
    const char* control;
    const char* panel;  // the page that opens
    const char* caption;  // the lesson caption on the page
    const char* mode;     // the report's two titles
    const char* lesson;
    const char* file;     // read at the start; none for the radical drill
    int musicLine;        // the settings line of its music switch
    const char* kind;     // the history kind it is recorded under
};

constexpr int kChinese = 5, kEnglish = 6, kTest = 7, kWord = 8;

const Exercise kExercises[] = {
    {"m1a", "zgform", "字根练习", "中文练习", "字根练习", "", kChinese, "radicals"},
    {"m1b", "chinapanel", "高频字练习", "中文练习", "高频字练习", "gpz.jxo", kChinese, "chinese"},
    {"m1c", "chinapanel", "二级简码练习", "中文练习", "二级简码练习", "ejjm.jxo", kChinese, "chinese"},
    {"m1d", "chinapanel", "三级简码练习", "中文练习", "三级简码练习", "sjjm.jxo", kChinese, "chinese"},
    {"N7", "chinapanel", "二字词组练习", "中文练习", "二字词组练习", "ezcz.jxo", kChinese, "chinese"},
    {"N9", "chinapanel", "三字词组练习", "中文练习", "三字词组练习", "shzcz.jxo", kChinese, "chinese"},
    {"N11", "chinapanel", "四字词组练习", "中文练习", "四字词组练习", "szcz.jxo", kChinese, "chinese"},
    {"m1f", "chinapanel", "文章练习", "中文练习", "文章练习", "clesson.txt", kChinese, "chinese"},
    {"jw7", "jwform", "智能字根练习", "中文练习", "智能字根练习", "", kChinese, "scheme-keys"},
    {"jw8", "jwform", "智能编码练习", "中文练习", "智能编码练习", "gpz.jxo", kChinese, "scheme-keys"},
    {"m1h", "chinapanel", "中文智能练习", "中文练习", "中文智能练习", "", kChinese, "chinese-adaptive"},
    {"m2a", "englishform", "英文初级练习", "英文练习", "英文初级练习", "ywcj.jxo", kEnglish, "english"},
    {"m2b", "englishform", "英文中级练习", "英文练习", "英文中级练习", "ywzj.jxo", kEnglish, "english"},
    {"m2c", "englishform", "英文高级练习", "英文练习", "英文高级练习", "ywgj.jxo", kEnglish, "english"},
    {"m2d", "englishform", "英文文章练习", "英文练习", "英文文章练习", "elesson.txt", kEnglish, "english"},
    {"m2e", "englishform", "英文智能练习", "英文练习", "英文智能练习", "", kEnglish, "english-adaptive"},
    {"MenuItem4", "chinapanel", "顺序测试", "中文练习", "测试", "ctest.txt", kTest, "chinese-test"},
    {"MenuItem6", "chinapanel", "随机测试", "中文练习", "测试", "ctest.txt", kTest, "chinese-test"},
    {"MenuItem1", "chinapanel", "顺序测试", "英文练习", "测试", "etest.txt", kTest, "english-test"},
    {"MenuItem3", "chinapanel", "随机测试", "英文练习", "测试", "etest.txt", kTest, "english-test"},
    {"m4a", "bdcform", "新版小学英语", "轻轻松松背单词", "新版小学英语", "xxyy.eng", kWord, "vocabulary"},
    {"m4b", "bdcform", "新版初中英语", "轻轻松松背单词", "新版初中英语", "czhyy.eng", kWord, "vocabulary"},
    {"m4e", "bdcform", "新版高中英语", "轻轻松松背单词", "新版高中英语", "gzhyy.eng", kWord, "vocabulary"},
    {"N5", "bdcform", "大学英语1-4级", "轻轻松松背单词", "大学英语1-4级", "yy14.eng", kWord, "vocabulary"},
    {"N6", "bdcform", "大学英语5-6级", "轻轻松松背单词", "大学英语5-6级", "yy56.eng", kWord, "vocabulary"},
    {"m4d", "bdcform", "GMAT词汇", "轻轻松松背单词", "GMAT词汇", "gmat.eng", kWord, "vocabulary"},
    {"m4f", "bdcform", "GRE英语词汇", "轻轻松松背单词", "GRE英语词汇", "gre.eng", kWord, "vocabulary"},
    {"m4g", "bdcform", "托福600分单词", "轻轻松松背单词", "托福600分单词", "tf6000.eng", kWord, "vocabulary"},
    {"m4h", "bdcform", "语句练习", "轻轻松松背单词", "语句练习", "yjlx.eng", kWord, "vocabulary"},
};

const char* const kPanels[] = {"zgform", "chinapanel", "englishform", "bdcform", "jwform"};

const Exercise& exercise(const QString& control) {
    for (const Exercise& e : kExercises)
        if (control == QLatin1String(e.control)) return e;
    qFatal("no such control");
}

// The settings as shipped, but limits of one minute and only the music switches in `on`.
void writeSettings(const QString& appDir, std::initializer_list<int> on) {
    QByteArray text = "1\r\n1\r\n1\r\n";
    for (int line = kMainMusic; line <= kLastMusic; ++line)
        text += std::find(on.begin(), on.end(), line) != on.end() ? "true\r\n" : "false\r\n";
    text += "false\r\nfalse\r\nfalse\r\n";  // key click and launchers
    QFile f(appDir + QStringLiteral("/sysctr.jxo"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(text);
}

// As the learner does it: the button on its tab, or the item of its drop-down menu.
void choose(TestForm& t, const QString& control) {
    if (auto* button = t.find<QToolButton>(control)) {
        t.form->toolBarTabs()->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    auto* item = t.find<QAction>(control);
    QVERIFY2(item, qPrintable(control));
    item->trigger();
}

QStringList panelsShown(TestForm& t) {
    QStringList shown;
    // A panel is made at its first use: one not made yet is not shown.
    for (const char* p : kPanels)
        if (auto* w = t.find<QWidget>(QString::fromLatin1(p)); w && w->isVisible()) shown << QString::fromLatin1(p);
    return shown;
}

QString caption(TestForm& t, const char* panel) {
    const char* name = QByteArray(panel) == "zgform"       ? "zgzuang2a"
                       : QByteArray(panel) == "chinapanel" ? "zzz2a"
                       : QByteArray(panel) == "englishform" ? "englishzz2a"
                       : QByteArray(panel) == "jwform"      ? "jwzuang2a"
                                                            : "bdczuang2a";
    return t.find<QLabel>(QString::fromLatin1(name))->text();
}

// One unit typed where the exercise takes its keys: a session with nothing typed
// is no result.
void typeSomething(TestForm& t, const char* panel) {
    QWidget* line = QApplication::focusWidget();
    QVERIFY2(line, panel);
    if (QByteArray(panel) == "chinapanel") {
        QInputMethodEvent e;
        e.setCommitString(t.form->chinesePanel()->score().kind->latinText ? QStringLiteral("a") : QStringLiteral("的"));
        QApplication::sendEvent(line, &e);
        QTest::keyRelease(line, Qt::Key_Space);
    } else if (QByteArray(panel) == "jwform") {
        for (int i = 0; i < 4; ++i) QTest::keyClick(line, Qt::Key_A);  // a Wubi code is judged at four keys
    } else {
        QTest::keyClick(line, Qt::Key_A);
        if (QByteArray(panel) == "bdcform") QTest::keyClick(line, Qt::Key_Return);
    }
}

// The exercise's clock passes its one-minute limit: the first tick comes three minutes
// in, as after the process was stopped and went on.
void runToTheLimit(TestForm& t, const char* panel) {
    t.clock.advanceSeconds(180);
    for (QTimer* timer : t.find<QWidget>(QString::fromLatin1(panel))->findChildren<QTimer*>())
        if (timer->isActive()) QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

bool onMainScreen(TestForm& t) {
    return t.form->toolBarTabs()->height() == 90 && t.form->toolBarTabs()->isEnabled() && panelsShown(t).isEmpty();
}

QList<history::Session> recorded(TestForm& t) {
    QCoreApplication::processEvents();  // the queued hand-over to the recorder
    t.form->history().flush();
    const QString file = t.home() + QStringLiteral("/.local/share/jaxo/history.sqlite");
    if (!QFileInfo::exists(file)) return {};
    return history::Store::openFile(file)->sessions();
}

// How many units the last session counted as asked for, over every kind of unit.
int askedCount(TestForm& t) {
    auto store = history::Store::openFile(t.home() + QStringLiteral("/.local/share/jaxo/history.sqlite"));
    int asked = 0;
    for (const char* unit : {"char", "key", "radical", "word", "scheme-key"})
        for (int n : store->typedCounts(QLatin1String(unit), 1)) asked += n;
    return asked;
}

}  // namespace

class TestExerciseKinds : public QObject {
    Q_OBJECT
private slots:
    void init() { qunsetenv("JAXO_HISTORY_URL"); }

    void everyExercise_data() {
        QTest::addColumn<QString>("control");
        for (const Exercise& e : kExercises)
            QTest::newRow(qPrintable(QStringLiteral("%1 opens %2 with its own music switch, reports and records it as %3")
                                         .arg(QLatin1String(e.control), QString::fromUtf8(e.lesson), QLatin1String(e.kind))))
                << QString::fromLatin1(e.control);
    }
    // Only the exercise's own music switch on: its music plays; past its time limit the
    // report shows its titles and the limit as its time, and the history keeps a row
    // of its kind.
    void everyExercise() {
        QFETCH(QString, control);
        const Exercise& e = exercise(control);
        TestForm t({}, [&](const QString& appDir) { writeSettings(appDir, {e.musicLine}); });
        t.form->show();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        QVERIFY(!t.sound.playing);
        QString mode, lesson, time;
        t.onModal = [&](QDialog& d) {
            mode = d.findChild<QLabel*>(QStringLiteral("zht2"))->text();
            lesson = d.findChild<QLabel*>(QStringLiteral("zht4"))->text();
            time = d.findChild<QLabel*>(QStringLiteral("pig4a"))->text();
        };

        choose(t, control);
        QCOMPARE(panelsShown(t), QStringList{QString::fromLatin1(e.panel)});
        QCOMPARE(caption(t, e.panel), QString::fromUtf8(e.caption));
        QCOMPARE(t.form->toolBarTabs()->height(), 25);
        QVERIFY(!t.form->toolBarTabs()->isEnabled());
        QVERIFY(t.sound.playing);
        QVERIFY(t.messages.errors.isEmpty());

        typeSomething(t, e.panel);
        runToTheLimit(t, e.panel);
        QCOMPARE(t.modalCount, 1);
        QCOMPARE(t.lastModal, QStringLiteral("cjreport"));
        QCOMPARE(mode, QString::fromUtf8(e.mode));
        QCOMPARE(lesson, QString::fromUtf8(e.lesson));
        QCOMPARE(time, QStringLiteral("用时:　1分0秒！"));
        QVERIFY(onMainScreen(t));
        const QList<history::Session> rows = recorded(t);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].kind, QLatin1String(e.kind));
        QCOMPARE(rows[0].title, QString::fromUtf8(e.lesson));
        // Every judged unit is counted where it was asked for, so misses become rates
        // (a pair of an English test line on the Chinese page counts both its keys).
        QVERIFY2(askedCount(t) >= rows[0].typed, qPrintable(QString::number(askedCount(t))));
    }

    // Every exercise switch off, the main music on: each exercise starts in silence,
    // and the main music is back once it is over.
    void switchesOffMeanSilence() {
        TestForm t({}, [](const QString& appDir) { writeSettings(appDir, {kMainMusic}); });
        t.form->show();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        for (const Exercise& e : kExercises) {
            QVERIFY2(t.sound.playing, e.control);
            choose(t, QString::fromLatin1(e.control));
            QVERIFY2(panelsShown(t) == QStringList{QString::fromLatin1(e.panel)}, e.control);
            QVERIFY2(!t.sound.playing, e.control);
            runToTheLimit(t, e.panel);
            QVERIFY2(onMainScreen(t), e.control);
        }
        QCOMPARE(t.modalCount, static_cast<int>(std::size(kExercises)));
    }

    // A text that cannot be read: a message naming the file, and the main screen as it
    // was, the music as it played.
    void unreadableText() {
        TestForm t({}, [](const QString& appDir) {
            writeSettings(appDir, {kMainMusic, kChinese, kEnglish, kTest, kWord});
            for (const Exercise& e : kExercises)
                if (*e.file) QFile::remove(appDir + QLatin1Char('/') + QLatin1String(e.file));
        });
        t.form->show();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        t.messages.errors.clear();
        for (const Exercise& e : kExercises) {
            if (!*e.file) continue;
            const size_t played = t.sound.played.size();
            choose(t, QString::fromLatin1(e.control));
            QVERIFY2(t.messages.errors.size() == 1, e.control);
            QVERIFY2(t.messages.errors[0].contains(t.file(QLatin1String(e.file))), qPrintable(t.messages.errors[0]));
            t.messages.errors.clear();
            QVERIFY2(onMainScreen(t), e.control);
            QVERIFY2(t.sound.playing && t.sound.played.size() == played, e.control);
        }
        QCOMPARE(t.modalCount, 0);
        QVERIFY(recorded(t).isEmpty());
    }
};

QTEST_MAIN(TestExerciseKinds)
#include "test_exercise_kinds.moc"
