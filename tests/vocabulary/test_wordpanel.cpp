// The vocabulary drill in the real main window: keys through the main window's key
// preview, the clock, the endings and the report.
#include "common/elapsed.h"
#include "common/linestore.h"
#include "support/testform.h"
#include "vocabulary/wordpanel.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

namespace {

const char* const kLists[] = {"xxyy.eng", "czhyy.eng", "gzhyy.eng", "yy14.eng", "yy56.eng",
                              "gmat.eng", "gre.eng",   "tf6000.eng", "yjlx.eng"};

void writeList(const QString& path, const QStringList& lines) {
    QFile f(path);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    for (const QString& l : lines) f.write(QByteArray::fromStdString(bytes::fromUnicode(l) + "\r\n"));
}

// Line 7 apple, line 8 book, line 9 cat.
QStringList tenLines() {
    QStringList l;
    for (int i = 0; i < 7; ++i) l << QStringLiteral("w%1*义%1").arg(i);
    l << QStringLiteral("apple*苹果") << QStringLiteral("book*书") << QStringLiteral("cat*猫");
    return l;
}

// Every list of the program replaced by a small one of our own.
std::unique_ptr<TestForm> makeForm() {
    return std::make_unique<TestForm>(QStringList{}, [](const QString& appDir) {
        for (const char* name : kLists) {
            const QString n = QString::fromLatin1(name);
            writeList(appDir + QLatin1Char('/') + n,
                      n == QLatin1String("xxyy.eng") ? tenLines() : QStringList{n + QStringLiteral("*列表")});
        }
    });
}

}  // namespace

class TestWordPanel : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void startShowsTheDrill();
    void theExampleThroughKeys();
    void keyClicks();
    void markClearedByTheNextKey_data();
    void markClearedByTheNextKey();
    void enterOnlyAnswersWhenItWentDown();
    void heldEnterFromTheKeyboardAnswersOnce();
    void answerLineTakesPlainKeys();
    void endings_data();
    void endings();
    void timeLimit_data();
    void timeLimit();
    void listThatCannotBeRead_data();
    void listThatCannotBeRead();
    void nineCommands_data();
    void nineCommands();

private:
    void start();
    void answerUntil(const QString& word);
    void type(const QString& text);
    void enter();
    QString shown(const char* name) const { return t->find<QLabel>(QString::fromLatin1(name))->text(); }
    WordPanel* panel() const { return t->form->wordPanel(); }
    QLineEdit* bdcput() const { return t->find<QLineEdit>(QStringLiteral("bdcput")); }
    ExerciseScore& st() const { return t->form->wordPanel()->score(); }

    std::unique_ptr<TestForm> t;
};

void TestWordPanel::init() {
    t = makeForm();
    t->form->show();
    QVERIFY(QTest::qWaitForWindowActive(t->form.get()));
}

void TestWordPanel::cleanup() { t.reset(); }

// The primary-school command on the ten-line list; the drill starts on a line of its
// own choosing.
void TestWordPanel::start() { t->form->startExercise(ExerciseId::PrimaryWords); }

// Answers right until the entry shows the word.
void TestWordPanel::answerUntil(const QString& word) {
    for (int i = 0; i < 10 && shown("bdcdc") != word; ++i) {
        type(shown("bdcdc"));
        enter();
    }
    QCOMPARE(shown("bdcdc"), word);
}

void TestWordPanel::type(const QString& text) { QTest::keyClicks(bdcput(), text); }

// Enter goes to whatever has the focus, as a real key would.
void TestWordPanel::enter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

void TestWordPanel::startShowsTheDrill() {
    const size_t played = t->sound.played.size();
    t->form->startExercise(ExerciseId::PrimaryWords);
    QVERIFY(panel()->isVisible());
    QVERIFY(panel()->timer()->isActive());
    QCOMPARE(t->form->toolBarTabs()->height(), 25);
    QVERIFY(!t->form->toolBarTabs()->isEnabled());
    QCOMPARE(t->sound.played.size(), played + 1);  // the word-list music switch is on
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(bdcput()));
    for (const char* n : {"bdczuang1", "bdczuang1a"}) QCOMPARE(shown(n), QStringLiteral("轻轻松松背单词"));
    for (const char* n : {"bdczuang2", "bdczuang2a"}) QCOMPARE(shown(n), QStringLiteral("新版小学英语"));
    QVERIFY(tenLines().contains(shown("bdcdc") + QLatin1Char('*') + shown("bdccy")));
    QCOMPARE(shown("bdcpd"), QString());
    QCOMPARE(st().rightCount + st().wrongCount, 0);
}

void TestWordPanel::theExampleThroughKeys() {
    start();
    answerUntil(QStringLiteral("apple"));
    QCOMPARE(shown("bdccy"), QStringLiteral("苹果"));
    const int right = st().rightCount;

    type(QStringLiteral("Apple"));
    enter();
    QCOMPARE(shown("bdcdc"), QStringLiteral("book"));
    QCOMPARE(shown("bdccy"), QStringLiteral("书"));
    QCOMPARE(shown("bdcpd"), QStringLiteral("×"));
    QCOMPARE(st().wrongCount, 1);
    QCOMPARE(bdcput()->text(), QString());
    // The answer line is the panel's one tab stop: Enter leaves the focus on it.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(bdcput()));

    type(QStringLiteral("book"));
    QCOMPARE(shown("bdcpd"), QString());
    enter();
    QCOMPARE(shown("bdcdc"), QStringLiteral("cat"));
    QCOMPARE(shown("bdcpd"), QStringLiteral("√"));
    QCOMPARE(st().rightCount, right + 1);
    QCOMPARE(st().wrongCount, 1);

    // Past the last line the walk goes on at the second line.
    type(QStringLiteral("cat"));
    enter();
    QCOMPARE(shown("bdcdc"), QStringLiteral("w1"));
    QCOMPARE(st().rightCount, right + 2);
}

void TestWordPanel::keyClicks() {
    start();
    t->sound.clicks.clear();
    type(QStringLiteral("Ab c"));
    QCOMPARE(t->sound.clicks.size(), size_t(4));
    QTest::keyClick(bdcput(), Qt::Key_Backspace);
    QCOMPARE(t->sound.clicks.size(), size_t(5));
    QTest::keyClick(bdcput(), Qt::Key_Shift);  // no character
    enter();
    QCOMPARE(t->sound.clicks.size(), size_t(5));
    QCOMPARE(st().wrongCount, 1);

    t->form->liveSettings().edit().keySound = false;
    type(QStringLiteral("x"));
    QCOMPARE(t->sound.clicks.size(), size_t(5));
}

void TestWordPanel::markClearedByTheNextKey_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Shift") << int(Qt::Key_Shift);
    QTest::newRow("a letter") << int(Qt::Key_Q);
    QTest::newRow("an arrow") << int(Qt::Key_Left);
    QTest::newRow("Enter itself, before it answers") << int(Qt::Key_Return);
}

void TestWordPanel::markClearedByTheNextKey() {
    QFETCH(int, key);
    start();
    enter();
    QCOMPARE(shown("bdcpd"), QStringLiteral("×"));
    QTest::keyPress(QApplication::focusWidget(), Qt::Key(key));
    QCOMPARE(shown("bdcpd"), QString());
    QCOMPARE(st().wrongCount, 1);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key(key));
}

void TestWordPanel::enterOnlyAnswersWhenItWentDown() {
    start();
    // The release of an Enter that went down elsewhere (in a menu, say) is no answer.
    QTest::keyRelease(bdcput(), Qt::Key_Return);
    QCOMPARE(st().rightCount + st().wrongCount, 0);

    // Held down: the repeats answer nothing, the final release answers once.
    type(shown("bdcdc"));
    QTest::keyPress(bdcput(), Qt::Key_Return);
    for (int i = 0; i < 3; ++i) {
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
        QApplication::sendEvent(bdcput(), &up);
        QTest::keyEvent(QTest::Press, bdcput(), Qt::Key_Return, Qt::NoModifier);
    }
    QCOMPARE(st().rightCount + st().wrongCount, 0);
    QTest::keyRelease(bdcput(), Qt::Key_Return);
    QCOMPARE(st().rightCount, 1);
    QCOMPARE(st().wrongCount, 0);
}

// X repeats a held key as a release and a press with one timestamp, not always flagged
// as a repeat: only the last release, with no press after it, answers.
void TestWordPanel::heldEnterFromTheKeyboardAnswersOnce() {
    start();
    const QString word = shown("bdcdc");
    type(word);
    auto key = [](QEvent::Type type, unsigned long time) {
        QKeyEvent e(type, Qt::Key_Return, Qt::NoModifier, 36, 0xff0d, 0, QStringLiteral("\r"));
        e.setTimestamp(time);
        QApplication::sendEvent(QApplication::focusWidget(), &e);
    };
    key(QEvent::KeyPress, 1000);
    for (unsigned long time = 1500; time < 1800; time += 100) {
        key(QEvent::KeyRelease, time);
        key(QEvent::KeyPress, time);
    }
    key(QEvent::KeyRelease, 2000);
    QCOMPARE(st().rightCount + st().wrongCount, 0);  // judged a moment later
    QTRY_COMPARE(st().rightCount, 1);
    QTest::qWait(100);
    QCOMPARE(st().rightCount + st().wrongCount, 1);
    QVERIFY(shown("bdcdc") != word);  // the next entry
}

void TestWordPanel::answerLineTakesPlainKeys() {
    start();
    QCOMPARE(bdcput()->inputMethodQuery(Qt::ImEnabled).toBool(), false);
}

// The three endings: the report opens with the time of the last tick and without
// speed and rating; afterwards the main screen is back.
void TestWordPanel::endings_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Escape") << "escape";
    QTest::newRow("the exit button") << "button";
}

void TestWordPanel::endings() {
    QFETCH(QString, how);
    t->clock.set(10, 0, 0);
    start();
    type(shown("bdcdc"));
    enter();
    t->clock.set(10, 0, 7);
    panel()->onTimer();
    QCOMPARE(shown("bdctime1"), QStringLiteral("0:00:07"));
    QCOMPARE(shown("bdctime2"), QStringLiteral("0:00:07"));
    t->clock.set(10, 0, 9);  // past the tick: the report shows the tick's time

    QStringList visible, hidden;
    bool barEnabled = false;
    t->onModal = [&](QDialog& d) {
        barEnabled = t->form->toolBarTabs()->isEnabled();
        for (QLabel* l : d.findChildren<QLabel*>(QRegularExpression(QStringLiteral("^pig\\da?$"))))
            (l->isVisibleTo(&d) ? visible : hidden) << l->objectName() + QLatin1Char('=') + l->text();
    };
    if (how == QLatin1String("escape"))
        QTest::keyClick(bdcput(), Qt::Key_Escape);
    else
        t->find<QToolButton>(QStringLiteral("bdcexit"))->click();

    QCOMPARE(t->modalCount, 1);
    QCOMPARE(t->lastModal, QStringLiteral("cjreport"));
    QVERIFY(barEnabled);
    QCOMPARE(bytes::toUnicode(st().elapsedText), QStringLiteral("0:00:07"));
    hidden.sort();
    visible.sort();
    QCOMPARE(hidden.size(), 4);
    for (const QString& h : hidden) QVERIFY2(h.startsWith(QLatin1String("pig5")) || h.startsWith(QLatin1String("pig6")), qPrintable(h));
    QCOMPARE(visible.size(), 10);
    QVERIFY(visible.contains(QStringLiteral("pig7a=正确率:　100.0%")));
    QVERIFY(visible.contains(QStringLiteral("pig2a=正确:　1　个字！")));
    QVERIFY(visible.contains(QStringLiteral("pig4a=用时:　0分7秒！")));

    QVERIFY(!panel()->isVisible());
    QVERIFY(!panel()->timer()->isActive());
    QCOMPARE(t->form->toolBarTabs()->height(), 90);
    QVERIFY(t->form->toolBarTabs()->isEnabled());
    // A tick that was already queued finds the drill over.
    panel()->onTimer();
    QCOMPARE(t->modalCount, 1);
}

void TestWordPanel::timeLimit_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<QList<int>>("tickSeconds");  // seconds after the start
    QTest::addColumn<int>("endingTick");          // index of the tick that ends, -1 none

    QTest::newRow("limit 1: a tick two minutes late ends at 1:00") << 1 << QList<int>{30, 180} << 1;
    QTest::newRow("limit 10: the tick that first shows 0:10")
        << 10 << QList<int>{59, 9 * 60 + 59, 10 * 60, 10 * 60 + 1} << 2;
    QTest::newRow("limit 60: the tick that first shows 1:00") << 60 << QList<int>{59 * 60 + 59, 60 * 60, 61 * 60} << 1;
}

void TestWordPanel::timeLimit() {
    QFETCH(int, limit);
    QFETCH(QList<int>, tickSeconds);
    QFETCH(int, endingTick);

    t->clock.set(11, 0, 0);
    start();
    t->form->liveSettings().edit().wordMinutes = limit;
    for (int i = 0; i < tickSeconds.size(); ++i) {
        t->clock.set(11, 0, tickSeconds[i]);
        panel()->onTimer();
        QCOMPARE(t->modalCount, i >= endingTick && endingTick >= 0 ? 1 : 0);
        if (i == endingTick)
            QCOMPARE(bytes::toUnicode(st().elapsedText),
                     bytes::toUnicode(elapsed::text(std::min(tickSeconds[i], limit * 60))));
    }
    QCOMPARE(panel()->timer()->isActive(), endingTick < 0);
}

// The list is read before the screen changes: the message names the file and the
// main screen stays as it was.
void TestWordPanel::listThatCannotBeRead_data() {
    QTest::addColumn<bool>("asFolder");
    QTest::newRow("missing") << false;
    QTest::newRow("a folder of that name") << true;
}

void TestWordPanel::listThatCannotBeRead() {
    QFETCH(bool, asFolder);
    t = makeForm();
    QFile::remove(t->file(QStringLiteral("xxyy.eng")));
    if (asFolder) QDir().mkpath(t->file(QStringLiteral("xxyy.eng")));
    t->form->show();
    QVERIFY(QTest::qWaitForWindowActive(t->form.get()));
    const size_t played = t->sound.played.size();
    const int stops = t->sound.stops;
    t->messages.errors.clear();

    t->form->startExercise(ExerciseId::PrimaryWords);
    QCOMPARE(t->messages.errors.size(), 1);
    QVERIFY2(t->messages.errors[0].contains(t->file(QStringLiteral("xxyy.eng"))), qPrintable(t->messages.errors[0]));
    QVERIFY(!panel()->isVisible());
    QVERIFY(!panel()->timer()->isActive());
    QCOMPARE(t->form->toolBarTabs()->height(), 90);
    QVERIFY(t->form->toolBarTabs()->isEnabled());
    QCOMPARE(t->sound.played.size(), played);
    QCOMPARE(t->sound.stops, stops);
    QCOMPARE(t->modalCount, 0);

    // Another list still starts.
    t->form->startExercise(ExerciseId::JuniorWords);
    QVERIFY(panel()->isVisible());
    QCOMPARE(shown("bdcdc"), QStringLiteral("czhyy.eng"));
}

void TestWordPanel::nineCommands_data() {
    QTest::addColumn<QString>("control");  // the button or menu item that starts it
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::newRow("m4a") << "m4a" << "xxyy.eng" << "新版小学英语";
    QTest::newRow("m4b") << "m4b" << "czhyy.eng" << "新版初中英语";
    QTest::newRow("m4e") << "m4e" << "gzhyy.eng" << "新版高中英语";
    QTest::newRow("N5") << "N5" << "yy14.eng" << "大学英语1-4级";
    QTest::newRow("N6") << "N6" << "yy56.eng" << "大学英语5-6级";
    QTest::newRow("m4d") << "m4d" << "gmat.eng" << "GMAT词汇";
    QTest::newRow("m4f") << "m4f" << "gre.eng" << "GRE英语词汇";
    QTest::newRow("m4g") << "m4g" << "tf6000.eng" << "托福600分单词";
    QTest::newRow("m4h") << "m4h" << "yjlx.eng" << "语句练习";
}

void TestWordPanel::nineCommands() {
    QFETCH(QString, control);
    QFETCH(QString, file);
    QFETCH(QString, title);
    // As the learner does: the button on its tab, or the item of its drop-down menu.
    if (auto* button = t->find<QToolButton>(control)) {
        t->form->toolBarTabs()->setCurrentWidget(button->parentWidget());
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        auto* item = t->find<QAction>(control);
        QVERIFY(item);
        item->trigger();
    }
    QVERIFY(panel()->isVisible());
    QCOMPARE(shown("bdczuang2a"), title);
    if (file != QLatin1String("xxyy.eng")) {
        QCOMPARE(shown("bdcdc"), file);
        type(file);
        enter();
        QCOMPARE(st().rightCount, 1);
    }
    QTest::keyClick(bdcput(), Qt::Key_Escape);
    QCOMPARE(t->modalCount, 1);
}

QTEST_MAIN(TestWordPanel)
#include "test_wordpanel.moc"
