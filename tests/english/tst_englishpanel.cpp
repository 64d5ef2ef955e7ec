// The English panel in the real main window: the lesson commands, typing with key
// events, the endings, the clock, the English tests, and the drawing grid.
#include "widgets/keylineedit.h"
#include "chinese/chinesepanel.h"
#include "widgets/bytegridlabel.h"
#include "english/englishpanel.h"
#include "adaptive/keyboardview.h"
#include "support/testform.h"
#include "common/randomsource.h"

#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

QString u(const ByteText& t) { return bytes::toUnicode(t); }

// The first byte that differs from c.
char otherThan(char c) { return c == 'x' ? 'y' : 'x'; }

struct Lesson {
    explicit Lesson(const QStringList& without = {}, const std::function<void(const QString&)>& prepare = {})
        : t(without, prepare) {
        t.form->show();
        QVERIFY2(QTest::qWaitForWindowExposed(t.form.get()), "window not shown");
        t.form->activateWindow();
        QVERIFY2(QTest::qWaitForWindowActive(t.form.get()), "window not active");
    }
    ExerciseScore& s() { return t.form->englishPanel()->score(); }
    // The English tests run on the Chinese page.
    ExerciseScore& testScore() { return t.form->chinesePanel()->score(); }
    EnglishPanel* panel() { return t.form->englishPanel(); }
    KeyLineEdit* put(int k) { return t.find<KeyLineEdit>(QStringLiteral("englishput%1").arg(k)); }
    ByteGridLabel* text(int k) { return t.find<ByteGridLabel>(QStringLiteral("englishtext%1").arg(k)); }
    ByteGridLabel* pd(int k) { return t.find<ByteGridLabel>(QStringLiteral("englishpd%1").arg(k)); }
    ByteText reference(int k) { return text(k)->bytes(); }
    ByteText page() { return reference(1) + reference(2) + reference(3); }
    QString label(const char* name) { return t.find<QLabel>(QString::fromLatin1(name))->text(); }
    void start(const char* button = "m2a") { t.find<QToolButton>(QString::fromLatin1(button))->click(); }
    // Each character goes down and up before the next, as a careful typist types.
    void type(int k, const ByteText& bytes) { QTest::keyClicks(put(k), u(bytes)); }
    // Line k typed with the given 0-based positions wrong.
    void typeLine(int k, std::initializer_list<int> wrong = {}, int count = -1) {
        ByteText line = reference(k);
        if (count >= 0) line.resize(static_cast<size_t>(count));
        for (int i : wrong) line[static_cast<size_t>(i)] = otherThan(line[static_cast<size_t>(i)]);
        type(k, line);
    }
    TestForm t;
};

// A lesson of plain letters with no blank in it, so that every typed key is visible,
// in no repeating order, so that a run of lines is found in one place only.
void lettersOnly(const QString& dir) {
    QFile f(dir + QStringLiteral("/ywcj.jxo"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray text;
    RandomSource letters;
    for (int i = 0; i < 1000; ++i) text += static_cast<char>('a' + letters.next() % 26);
    f.write(text);
}

// Whether shown is a run of the text read as a circle.
bool runOf(const ByteText& text, const ByteText& shown) { return (text + text).find(shown) != ByteText::npos; }

}  // namespace

class TestEnglishPanel : public QObject {
    Q_OBJECT
private slots:
    void lessonCommands_data();
    void lessonCommands();
    void liveKeyboard_data();
    void liveKeyboard();
    void fingers_data();
    void fingers();
    void musicFollowsTheEnglishSwitch_data();
    void musicFollowsTheEnglishSwitch();
    void missingLessonFile();
    void linesAreLatinOnly();
    void buttonHints_data();
    void buttonHints();

    void marksAndBackspace();
    void lineFinishedHandsOver();
    void finishingLineThreeGivesANewPage();
    void nextPageTwice();
    void endings_data();
    void endings();
    void escapeEndsOnKeyDown();
    void enterNeitherTypesNorFinishes();
    void finishedLinesTakeNoFocusNorKeys();
    void keyClick_data();
    void keyClick();
    void snapshotOfAnEarlierExerciseIsNotCounted();

    void clock_data();
    void clock();

    void englishTests_data();
    void englishTests();
    void englishTestCountsByteParts();
    void englishTestLineEndsAfterItsLastByte();

    void marksLieOverTheirBytes();
};

void TestEnglishPanel::lessonCommands_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("file");
    QTest::newRow("m2a") << "m2a" << "英文初级练习" << "ywcj.jxo";
    QTest::newRow("m2b") << "m2b" << "英文中级练习" << "ywzj.jxo";
    QTest::newRow("m2c") << "m2c" << "英文高级练习" << "ywgj.jxo";
    QTest::newRow("m2d") << "m2d" << "英文文章练习" << "elesson.txt";
}

void TestEnglishPanel::lessonCommands() {
    QFETCH(QString, button);
    QFETCH(QString, title);
    QFETCH(QString, file);
    Lesson l;
    l.s().rightCount = 4;
    l.start(button.toLatin1().constData());
    QVERIFY(l.panel()->isVisible());
    QVERIFY(l.panel()->timer()->isActive());
    QCOMPARE(l.t.form->toolBarTabs()->height(), 25);
    QVERIFY(!l.t.form->toolBarTabs()->isEnabled());
    QCOMPARE(u(l.s().modeTitle), QStringLiteral("英文练习"));
    QCOMPARE(u(l.s().lessonTitle), title);
    for (const char* n : {"englishzz1", "englishzz1a"}) QCOMPARE(l.label(n), QStringLiteral("英文练习"));
    for (const char* n : {"englishzz2", "englishzz2a"}) QCOMPARE(l.label(n), title);
    QCOMPARE(l.s().rightCount, 0);
    QCOMPARE(l.s().startMs, l.t.clock.now);

    // The page: three consecutive 66-byte pieces of the file.
    QFile f(l.t.file(file));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const ByteText all = f.readAll().toStdString();
    for (int k = 1; k <= 3; ++k) QVERIFY(!l.reference(k).empty() && l.reference(k).size() <= 66);
    QVERIFY(runOf(all, l.page()));
    QCOMPARE(QApplication::focusWidget(), l.put(1));
    QVERIFY(!l.put(1)->isReadOnly());
    QVERIFY(l.put(2)->isReadOnly() && l.put(3)->isReadOnly());
}

void TestEnglishPanel::musicFollowsTheEnglishSwitch_data() {
    QTest::addColumn<bool>("englishMusic");
    QTest::addColumn<bool>("playing");
    QTest::newRow("on") << true << true;
    QTest::newRow("off") << false << false;
}

void TestEnglishPanel::musicFollowsTheEnglishSwitch() {
    QFETCH(bool, englishMusic);
    QFETCH(bool, playing);
    Lesson l;
    l.t.form->liveSettings().edit().englishMusic = englishMusic;
    const size_t before = l.t.sound.played.size();
    l.start("m2b");
    QCOMPARE(l.t.sound.played.size(), before + (playing ? 1 : 0));
    QCOMPARE(l.t.sound.playing, playing);
}

void TestEnglishPanel::missingLessonFile() {
    Lesson l({QStringLiteral("ywgj.jxo")});
    l.s().rightCount = 12;
    const size_t played = l.t.sound.played.size();
    const bool playing = l.t.sound.playing;
    l.start("m2c");
    QCOMPARE(l.t.messages.errors.size(), 1);
    QVERIFY2(l.t.messages.errors.first().contains(l.t.file(QStringLiteral("ywgj.jxo"))), qPrintable(l.t.messages.errors.first()));
    // The main screen as it was.
    QVERIFY(!l.panel()->isVisible());
    QVERIFY(!l.panel()->timer()->isActive());
    QCOMPARE(l.t.form->toolBarTabs()->height(), 90);
    QVERIFY(l.t.form->toolBarTabs()->isEnabled());
    QCOMPARE(l.t.sound.played.size(), played);
    QCOMPARE(l.t.sound.playing, playing);
    QCOMPARE(l.s().rightCount, 12);
    QCOMPARE(l.t.modalCount, 0);
    // And the program goes on: another lesson starts.
    l.start("m2a");
    QVERIFY(l.panel()->isVisible());
}

void TestEnglishPanel::linesAreLatinOnly() {
    Lesson l;
    l.start();
    for (int k = 1; k <= 3; ++k) QCOMPARE(l.put(k)->inputMethodQuery(Qt::ImEnabled).toBool(), false);
}

void TestEnglishPanel::buttonHints_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("hint");
    QTest::newRow("englishexit") << "englishexit" << "退出练习并查看成绩...";
    QTest::newRow("englishnext") << "englishnext" << "选择下一页作为练习内容...";
}

void TestEnglishPanel::buttonHints() {
    QFETCH(QString, button);
    QFETCH(QString, hint);
    Lesson l;
    l.start();
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(l.t.find<QToolButton>(button), &enter);
    QCOMPARE(l.label("StatusPanel1"), hint);
}

void TestEnglishPanel::marksAndBackspace() {
    Lesson l({}, lettersOnly);
    l.start();
    const ByteText r = l.reference(1);
    l.type(1, r.substr(0, 2) + otherThan(r[2]));
    QCOMPARE(u(l.pd(1)->bytes()), QStringLiteral("  ") + QChar::fromLatin1(r[2]));
    QTest::keyClick(l.put(1), Qt::Key_Backspace);
    QCOMPARE(u(l.pd(1)->bytes()), QStringLiteral("  "));
    QCOMPARE(l.s().rightCount + l.s().wrongCount, 0);  // nothing counted before the line ends
}

void TestEnglishPanel::lineFinishedHandsOver() {
    Lesson l({}, lettersOnly);
    l.start();
    l.typeLine(1, {3, 40});
    QCOMPARE(l.s().rightCount, 64);
    QCOMPARE(l.s().wrongCount, 2);
    QCOMPARE(QApplication::focusWidget(), l.put(2));
    QVERIFY(l.put(1)->isReadOnly());
    QVERIFY(!l.put(2)->isReadOnly());
    // The finished line keeps its marks.
    QCOMPARE(l.pd(1)->bytes().size(), size_t(66));
    QCOMPARE(l.pd(1)->bytes()[3], l.reference(1)[3]);
}

void TestEnglishPanel::finishingLineThreeGivesANewPage() {
    Lesson l({}, lettersOnly);
    l.start();
    const ByteText firstPage = l.page();
    l.typeLine(1);
    l.typeLine(2, {0});
    l.typeLine(3, {65});
    QCOMPARE(l.s().rightCount, 196);
    QCOMPARE(l.s().wrongCount, 2);
    QCOMPARE(QApplication::focusWidget(), l.put(1));
    for (int k = 1; k <= 3; ++k) {
        QVERIFY(l.pd(k)->bytes().empty());
        QVERIFY(l.put(k)->text().isEmpty());
    }
    QFile f(l.t.file(QStringLiteral("ywcj.jxo")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(runOf(f.readAll().toStdString(), firstPage + l.page()));  // the text goes on
    QCOMPARE(l.t.modalCount, 0);
}

void TestEnglishPanel::nextPageTwice() {
    Lesson l;
    l.start("m2d");
    QFile f(l.t.file(QStringLiteral("elesson.txt")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const ByteText all = f.readAll().toStdString();
    ByteText shown = l.page();
    auto* next = l.t.find<QToolButton>(QStringLiteral("englishnext"));
    for (int page = 0; page < 2; ++page) {
        l.typeLine(1, {}, 5);
        next->click();
        shown += l.page();
        QVERIFY(l.put(1)->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), l.put(1));
    }
    // Each page goes on in the article where the one before stopped.
    QVERIFY(runOf(all, shown));
    // The abandoned typing is not counted at the end.
    l.t.find<QToolButton>(QStringLiteral("englishexit"))->click();
    QCOMPARE(l.s().rightCount + l.s().wrongCount, 0);
}

void TestEnglishPanel::endings_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("退出") << "exit";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("time limit") << "limit";
}

void TestEnglishPanel::endings() {
    QFETCH(QString, how);
    Lesson l({}, lettersOnly);
    l.t.form->liveSettings().edit().practiceMinutes = 1;
    l.start();
    l.typeLine(1);
    l.typeLine(2, {1, 4, 9}, 10);
    l.t.clock.advanceSeconds(42);
    l.panel()->onTimer();
    bool enabledDuringReport = false;
    bool panelHiddenDuringReport = false;
    l.t.onModal = [&](QDialog&) {
        enabledDuringReport = l.t.form->toolBarTabs()->isEnabled();
        panelHiddenDuringReport = !l.panel()->isVisible();
    };
    if (how == QLatin1String("exit")) {
        l.t.find<QToolButton>(QStringLiteral("englishexit"))->click();
    } else if (how == QLatin1String("escape")) {
        QTest::keyClick(l.put(2), Qt::Key_Escape);
    } else {
        l.t.clock.advanceSeconds(18);
        l.panel()->onTimer();
    }
    QCOMPARE(l.t.modalCount, 1);
    QCOMPARE(l.t.lastModal, QStringLiteral("cjreport"));
    QVERIFY(enabledDuringReport);
    QVERIFY(panelHiddenDuringReport);
    QCOMPARE(l.s().rightCount, 66 + 7);
    QCOMPARE(l.s().wrongCount, 3);
    QCOMPARE(u(l.s().elapsedText), how == QLatin1String("limit") ? QStringLiteral("0:01:00") : QStringLiteral("0:00:42"));
    QVERIFY(!l.panel()->timer()->isActive());
    QCOMPARE(l.t.form->toolBarTabs()->height(), 90);
    // A second ending does nothing.
    l.panel()->endEnglishPractice();
    QCOMPARE(l.t.modalCount, 1);
}

void TestEnglishPanel::escapeEndsOnKeyDown() {
    Lesson l;
    l.start();
    QTest::keyPress(l.put(1), Qt::Key_Escape);
    QCOMPARE(l.t.modalCount, 1);
    QVERIFY(!l.panel()->isVisible());
    // Escape in a test does nothing here.
    l.start();
    l.s().kind = &exerciseKind(ExerciseId::EnglishTestFromStart);
    QTest::keyClick(l.put(1), Qt::Key_Escape);
    QCOMPARE(l.t.modalCount, 1);
    QVERIFY(l.panel()->isVisible());
}

void TestEnglishPanel::enterNeitherTypesNorFinishes() {
    Lesson l({}, lettersOnly);
    l.start();
    const ByteText r = l.reference(1);
    l.type(1, r.substr(0, 5));
    QTest::keyPress(l.put(1), Qt::Key_Return);
    // The writable line is the only control that takes the focus: it keeps it.
    QCOMPARE(QApplication::focusWidget(), l.put(1));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(u(bytes::fromUnicode(l.put(1)->text())), u(r.substr(0, 5)));
    QVERIFY(!l.put(1)->isReadOnly());
    QCOMPARE(l.s().rightCount + l.s().wrongCount, 0);
    QVERIFY(l.panel()->isVisible());
}

void TestEnglishPanel::finishedLinesTakeNoFocusNorKeys() {
    Lesson l({}, lettersOnly);
    l.start();
    l.typeLine(1);
    QCOMPARE(l.s().rightCount, 66);
    // Reaching the finished line with the mouse or the keyboard fails.
    QTest::mouseClick(l.put(1), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), l.put(2));
    QTest::mouseClick(l.put(3), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), l.put(2));
    // A key released there with its caret at the end does not count the line again.
    l.put(1)->setCursorPosition(66);
    QTest::keyRelease(l.put(1), Qt::Key_End);
    QCOMPARE(l.s().rightCount, 66);
    QTest::keyRelease(l.put(3), Qt::Key_A);
    QCOMPARE(l.s().rightCount + l.s().wrongCount, 66);
}

void TestEnglishPanel::keyClick_data() {
    QTest::addColumn<bool>("keySound");
    QTest::addColumn<int>("devices");
    QTest::addColumn<int>("clicks");
    QTest::newRow("on: one click a character, Backspace included") << true << 1 << 5;
    QTest::newRow("switch off") << false << 1 << 0;
    QTest::newRow("no sound device") << true << 0 << 0;
}

void TestEnglishPanel::keyClick() {
    QFETCH(bool, keySound);
    QFETCH(int, devices);
    QFETCH(int, clicks);
    Lesson l;
    l.t.sound.devices = devices;
    l.t.build();
    l.t.form->liveSettings().edit().keySound = keySound;
    l.start();
    l.t.sound.clicks.clear();
    l.type(1, "abcd");
    QTest::keyClick(l.put(1), Qt::Key_Backspace);
    QTest::keyClick(l.put(1), Qt::Key_Shift);  // types nothing: no click
    QCOMPARE(int(l.t.sound.clicks.size()), clicks);
    if (clicks) QVERIFY(QString::fromStdString(l.t.sound.clicks.front()).endsWith(QStringLiteral("/key.wav")));
}

void TestEnglishPanel::snapshotOfAnEarlierExerciseIsNotCounted() {
    // An English test left with a line begun, which is not counted...
    Lesson l;
    l.t.form->findChild<QAction*>(QStringLiteral("MenuItem1"))->trigger();
    QTest::keyClicks(l.t.find<KeyLineEdit>(QStringLiteral("chinaput1")), QStringLiteral("####"));
    l.t.messages.answerYes = true;
    l.t.find<QToolButton>(QStringLiteral("exitexit"))->click();
    QVERIFY(!l.t.form->chinesePanel()->isVisible());
    // ...is not counted by the next exercise's ending either.
    l.start();
    l.t.find<QToolButton>(QStringLiteral("englishexit"))->click();
    QCOMPARE(l.s().rightCount, 0);
    QCOMPARE(l.s().wrongCount, 0);
}

void TestEnglishPanel::clock_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<int>("startH");
    QTest::addColumn<int>("seconds");  // ticks, one a second
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("endsAtTick");  // 0: does not end
    QTest::newRow("limit 5: at 0:05:00") << 5 << 12 << 301 << "0:05:00" << 300;
    QTest::newRow("limit 60: at 1:00:00") << 60 << 12 << 3601 << "1:00:00" << 3600;
}

void TestEnglishPanel::clock() {
    QFETCH(int, limit);
    QFETCH(int, startH);
    QFETCH(int, seconds);
    QFETCH(QString, shown);
    QFETCH(int, endsAtTick);
    Lesson l;
    l.t.form->liveSettings().edit().practiceMinutes = limit;
    l.t.clock.set(startH, 30, 0);
    l.start();
    int endedAt = 0;
    for (int i = 1; i <= seconds && !endedAt; ++i) {
        l.t.clock.advanceSeconds(1);
        l.panel()->onTimer();
        if (l.t.modalCount) endedAt = i;
    }
    QCOMPARE(endedAt, endsAtTick);
    QCOMPARE(l.label("englishtime1"), shown);
    QCOMPARE(l.label("englishtime2"), shown);
    if (endsAtTick) QCOMPARE(u(l.s().elapsedText), shown);
}

void TestEnglishPanel::englishTests_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fromStart");
    QTest::newRow("MenuItem1") << "MenuItem1" << "顺序测试" << true;
    QTest::newRow("MenuItem3") << "MenuItem3" << "随机测试" << false;
}

void TestEnglishPanel::englishTests() {
    QFETCH(QString, item);
    QFETCH(QString, name);
    QFETCH(bool, fromStart);
    Lesson l;
    auto* action = l.t.form->findChild<QAction*>(item);
    QVERIFY(action);
    action->trigger();
    auto* page = l.t.form->chinesePanel();
    QVERIFY(page->isVisible());
    QVERIFY(!l.panel()->isVisible());
    QVERIFY(page->timer()->isActive());
    QCOMPARE(u(l.testScore().modeTitle), QStringLiteral("英文练习"));
    QCOMPARE(u(l.testScore().lessonTitle), QStringLiteral("测试"));
    QCOMPARE(l.label("zzz2a"), name);
    QCOMPARE(l.label("zzz1a"), QStringLiteral("英文练习"));
    QFile f(l.t.file(QStringLiteral("etest.txt")));
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(u(l.t.form->lessonStore().text()), u(f.readAll().toStdString()));
    const ByteText first = bytes::fromUnicode(l.t.find<QLabel>(QStringLiteral("chinatext1"))->text());
    QCOMPARE(first == bytes::left(l.t.form->lessonStore().text(), 66), fromStart);
}

void TestEnglishPanel::englishTestCountsByteParts() {
    // On the Chinese page the units are two bytes: "ab" against "ab" is one right unit,
    // "ax" against "ab" one wrong one.
    Lesson l;
    l.t.form->findChild<QAction*>(QStringLiteral("MenuItem1"))->trigger();
    const ByteText ref = bytes::fromUnicode(l.t.find<QLabel>(QStringLiteral("chinatext1"))->text());
    QVERIFY(ref.size() >= 4);
    auto* put = l.t.find<KeyLineEdit>(QStringLiteral("chinaput1"));
    ByteText typed = ref.substr(0, 4);
    typed[3] = otherThan(typed[3]);
    QTest::keyClicks(put, u(typed));
    // The test ends at its limit; the final count takes the line so far.
    l.t.form->liveSettings().edit().testMinutes = 0;
    l.t.clock.advanceSeconds(1);
    QMetaObject::invokeMethod(l.t.form->chinesePanel()->timer(), "timeout", Qt::DirectConnection);
    QCOMPARE(l.t.modalCount, 1);
    QCOMPARE(l.testScore().rightCount, 1);
    QCOMPARE(l.testScore().wrongCount, 1);
}

void TestEnglishPanel::englishTestLineEndsAfterItsLastByte() {
    // A whole 66-byte line typed right is 33 right units and hands over to line 2; the
    // lines take plain keys even with a Chinese input method on.
    Lesson l;
    l.t.form->findChild<QAction*>(QStringLiteral("MenuItem1"))->trigger();
    auto* put = l.t.find<KeyLineEdit>(QStringLiteral("chinaput1"));
    QCOMPARE(put->inputMethodQuery(Qt::ImEnabled).toBool(), false);
    const ByteText ref = bytes::fromUnicode(l.t.find<QLabel>(QStringLiteral("chinatext1"))->text());
    QCOMPARE(ref.size(), size_t(66));
    QTest::keyClicks(put, u(ref.substr(0, 65)));
    QVERIFY(!put->isReadOnly());  // one byte short of the end: still typing
    QCOMPARE(l.testScore().rightCount + l.testScore().wrongCount, 0);
    QTest::keyClicks(put, u(ref.substr(65)));
    QVERIFY(put->isReadOnly());
    QCOMPARE(l.testScore().rightCount, 33);
    QCOMPARE(l.testScore().wrongCount, 0);
    // A Chinese lesson afterwards has its input method back.
    l.testScore().lessonTitle.clear();
    l.t.form->startExercise(ExerciseId::HighFrequency);
    QCOMPARE(put->inputMethodQuery(Qt::ImEnabled).toBool(), true);
}

void TestEnglishPanel::marksLieOverTheirBytes() {
    Lesson l({}, lettersOnly);
    l.start();
    auto* put = l.put(1);
    auto* pd = l.pd(1);
    auto* text = l.text(1);
    QCOMPARE(pd->geometry(), text->geometry());
    QCOMPARE(pd->x(), put->x());
    // Every byte of the input line starts where its column of the reference line starts.
    const ByteText r = l.reference(1);
    l.type(1, r);
    QCOMPARE(put->text().size(), 66);
    for (int i = 0; i <= 66; i += 11) {
        put->setCursorPosition(i);
        const qreal caretX = put->x() + put->inputMethodQuery(Qt::ImCursorRectangle).toRectF().center().x();
        const qreal columnX = text->x() + text->columnX(i);
        QVERIFY2(qAbs(caretX - columnX) <= 1.0, qPrintable(QStringLiteral("byte %1: caret %2, column %3").arg(i).arg(caretX).arg(columnX)));
    }
    QCOMPARE(text->columnWidth() * 2, QFontMetricsF(text->font()).horizontalAdvance(QStringLiteral("中")));
}

void TestEnglishPanel::liveKeyboard_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("setting");  // the keyboard line of the preferences; empty: no file
    QTest::addColumn<int>("typed");        // keys typed, the second one wrong
    QTest::addColumn<bool>("shown");

    QTest::newRow("on by default: in the picture's place, naming the first key and its finger") << "m2a" << "" << 0 << true;
    QTest::newRow("after two keys, one wrong: the third key") << "m2a" << "keyboard on" << 2 << true;
    QTest::newRow("switched off: the picture as before") << "m2a" << "keyboard off" << 0 << false;
    QTest::newRow("in 智能练习 too, with the keys in play and the key in focus above it") << "m2e" << "" << 1 << true;
}

void TestEnglishPanel::liveKeyboard() {
    QFETCH(QString, button);
    QFETCH(QString, setting);
    QFETCH(int, typed);
    QFETCH(bool, shown);
    Lesson l;
    if (!setting.isEmpty()) {
        QDir().mkpath(l.t.home() + QStringLiteral("/.config/jaxo"));
        QFile f(l.t.home() + QStringLiteral("/.config/jaxo/adaptive"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(setting.toLatin1() + '\n');
    }
    l.start(button.toLatin1().constData());
    const ByteText line = l.reference(1);
    for (int i = 0; i < typed; ++i) {
        const char c = line[static_cast<size_t>(i)];
        l.type(1, ByteText(1, i == 1 ? otherThan(c) : c));
    }
    auto* keyboard = l.t.find<KeyboardView>(QStringLiteral("liveKeyboard"));
    QCOMPARE(keyboard->isVisible(), shown);
    QCOMPARE(l.t.find<QLabel>(QStringLiteral("engmage"))->isVisible(), !shown);
    if (!shown) return;
    const char next = line[static_cast<size_t>(typed)];
    const QString key = next == ' ' ? QStringLiteral("空格") : QString(QLatin1Char(next));
    QCOMPARE(keyboard->accessibleDescription(),
             QStringLiteral("下一个键：%1，%2").arg(key, KeyboardView::fingerName(next)));
    auto* status = l.t.find<QLabel>(QStringLiteral("adaptiveStatus"));
    QCOMPARE(status->isVisible(), button == QLatin1String("m2e"));
    if (button != QLatin1String("m2e")) return;
    // A first drill: the six starting keys, the last of them in focus and in every word.
    QVERIFY2(status->text().startsWith(QStringLiteral("重点键 N")), qPrintable(status->text()));
    QVERIFY2(status->text().contains(QStringLiteral("已学 6/26 键")), qPrintable(status->text()));
    const ByteText page = l.page();
    QVERIFY2(page.find_first_not_of("etaoin ") == ByteText::npos, page.c_str());
    for (const QString& w : u(line).split(QLatin1Char(' '), Qt::SkipEmptyParts)) QVERIFY2(w.contains(QLatin1Char('n')), qPrintable(w));
}

void TestEnglishPanel::fingers_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("finger");
    QTest::newRow("a home key") << "f" << "左手食指";
    QTest::newRow("a capital: the letter's own finger") << "J" << "右手食指";
    QTest::newRow("the next one over, by the index finger too") << "b" << "左手食指";
    QTest::newRow("the blank: a thumb") << " " << "拇指";
    QTest::newRow("a shifted sign: the finger of its key") << "~" << "左手小指";
    QTest::newRow("a sign on the right") << "?" << "右手小指";
    QTest::newRow("the middle finger's digit") << "8" << "右手中指";
    QTest::newRow("no key of the chart: no finger") << "\t" << "";
}

void TestEnglishPanel::fingers() {
    QFETCH(QString, key);
    QFETCH(QString, finger);
    QCOMPARE(KeyboardView::fingerName(key.at(0).toLatin1()), finger);
}

QTEST_MAIN(TestEnglishPanel)
#include "tst_englishpanel.moc"
