// The Chinese panel in the real main window: starts, typing by key clicks and by
// input-method commits, the hand-over of lines and pages, the endings and the tests.
#include "widgets/keylineedit.h"
#include "chinese/chinesecheck.h"
#include "chinese/chinesepanel.h"
#include "support/testform.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

ByteText gb(const QString& s) { return bytes::fromUnicode(s); }

// The test text: lines of 33 characters, line 1 starting 我们的国家, line 2 中国人民.
const QString kLine1 = QStringLiteral("我们的国家有悠久的历史和灿烂的文化春天来了河边的柳树发芽长出了嫩叶");
const QString kLine2 = QStringLiteral("中国人民在这片土地上辛勤劳动创造了美好的生活孩子们在田野里奔跑玩耍");

void writeGb(const QString& path, const QString& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray::fromStdString(gb(text)));
}

// A main window whose test text and high-frequency lesson are known.
std::unique_ptr<TestForm> makeForm(const QString& lesson = QString(33 * 3, QChar(0x4E2D)), const QStringList& without = {}) {
    return std::make_unique<TestForm>(without, [&](const QString& appDir) {
        QString test;
        for (int i = 0; i < 6; ++i) test += kLine1.left(33) + kLine2.left(33);
        if (!without.contains(QStringLiteral("ctest.txt"))) writeGb(appDir + QStringLiteral("/ctest.txt"), test);
        if (!without.contains(QStringLiteral("gpz.jxo"))) writeGb(appDir + QStringLiteral("/gpz.jxo"), lesson);
    });
}

QString readableMarks(const ByteText& marks) {
    QString out;
    for (size_t i = 0; i < marks.size(); i += 2) {
        const ByteText unit = marks.substr(i, 2);
        out += unit == "  " ? QStringLiteral(".") : bytes::toUnicode(unit);
    }
    return out;
}

void commit(QWidget* w, const QString& text) {
    QInputMethodEvent e;
    e.setCommitString(text);
    QApplication::sendEvent(w, &e);
}

void preedit(QWidget* w, const QString& text) {
    QInputMethodEvent e(text, {});
    QApplication::sendEvent(w, &e);
}

}  // namespace

class TestChinesePanel : public QObject {
    Q_OBJECT

    static KeyLineEdit* put(TestForm& tf, int k) { return tf.find<KeyLineEdit>(QStringLiteral("chinaput%1").arg(k)); }
    static QString label(TestForm& tf, const QString& name) { return tf.find<QLabel>(name)->text(); }
    static bool shown(TestForm& tf, const char* name) { return !tf.find<QWidget>(QString::fromLatin1(name))->isHidden(); }
    static void orderedTest(TestForm& tf) { tf.form->startExercise(ExerciseId::ChineseTestFromStart); }
    // The focus, and so what is typed, is at line k; every other line is read-only.
    static void checkWritable(TestForm& tf, int k) {
        QWidget* input = tf.form->focusWidget();
        QVERIFY(input);
        QCOMPARE(input->accessibleName(), QStringLiteral("第%1行输入").arg(k));
        QCOMPARE(input->geometry(), put(tf, k)->geometry());
        for (int j = 1; j <= 5; ++j) QCOMPARE(put(tf, j)->isReadOnly(), j != k);
    }
    static ChinesePanel& panel(TestForm& tf) { return *tf.form->chinesePanel(); }
    static void tickAfter(TestForm& tf, int seconds) {
        tf.clock.advanceSeconds(seconds);
        panel(tf).onTimer();
    }
    static void checkMainScreen(TestForm& tf) {
        QCOMPARE(tf.form->toolBarTabs()->height(), 90);
        QVERIFY(tf.form->toolBarTabs()->isEnabled());
        QVERIFY(!panel(tf).timer()->isActive());
        QVERIFY(panel(tf).isHidden());
    }

private slots:
    void lessonStartShowsThePage() {
        auto tf = makeForm();
        tf->form->startExercise(ExerciseId::HighFrequency);
        QCOMPARE(tf->form->toolBarTabs()->height(), 25);
        QVERIFY(!tf->form->toolBarTabs()->isEnabled());
        QVERIFY(panel(*tf).timer()->isActive());
        QVERIFY(!panel(*tf).isHidden());
        QCOMPARE(label(*tf, QStringLiteral("zzz1a")), QStringLiteral("中文练习"));
        QCOMPARE(label(*tf, QStringLiteral("zzz2a")), QStringLiteral("高频字练习"));
        const QString line1 = label(*tf, QStringLiteral("chinatext1"));
        QVERIFY(!line1.isEmpty());
        QCOMPARE(line1, QString(line1.size(), QChar(0x4E2D)));
        QCOMPARE(label(*tf, QStringLiteral("wbLabel1")), QStringLiteral("中   khk  "));
        checkWritable(*tf, 1);
        for (int k = 2; k <= 5; ++k) QCOMPARE(put(*tf, k)->focusPolicy(), Qt::NoFocus);
        QVERIFY(shown(*tf, "chinanextpage") && shown(*tf, "chinaexit") && shown(*tf, "wbxhelp"));
        QVERIFY(!shown(*tf, "exitexit"));
        QCOMPARE(tf->form->chinesePanel()->score().rightCount, 0);
    }

    // A lesson or test file that cannot be read: a message naming it, and the main
    // screen as it was.
    void missingFile_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("test");
        QTest::addColumn<bool>("mainMusic");
        QTest::newRow("lesson with its music off") << QStringLiteral("gpz.jxo") << false << true;
        QTest::newRow("lesson with its music on") << QStringLiteral("gpz.jxo") << false << false;
        QTest::newRow("test with its music on") << QStringLiteral("ctest.txt") << true << false;
    }
    void missingFile() {
        QFETCH(QString, file);
        QFETCH(bool, test);
        QFETCH(bool, mainMusic);
        auto tf = makeForm(QString(10, QChar(0x4E2D)), {file});
        Settings& cfg = tf->form->liveSettings().edit();
        cfg.mainMusic = mainMusic;
        cfg.chineseMusic = !mainMusic;
        cfg.testMusic = cfg.chineseMusic;
        tf->messages.errors.clear();
        const bool playing = tf->sound.playing;
        const size_t played = tf->sound.played.size();
        if (test)
            orderedTest(*tf);
        else
            tf->form->startExercise(ExerciseId::HighFrequency);
        QCOMPARE(tf->messages.errors.size(), 1);
        QVERIFY2(tf->messages.errors[0].contains(QStringLiteral("Cannot open file")), qPrintable(tf->messages.errors[0]));
        QVERIFY2(tf->messages.errors[0].contains(tf->file(file)), qPrintable(tf->messages.errors[0]));
        checkMainScreen(*tf);
        // The music goes on as it was, whatever the exercise's switch says.
        QCOMPARE(tf->sound.playing, playing);
        QCOMPARE(tf->sound.played.size(), played);
        QCOMPARE(tf->modalCount, 0);
    }

    // Steps: "c:text" commit, "p:text" pre-edit, "r" key release, "k:text" key clicks,
    // "b" Backspace, "l" arrow to the left.
    void typing_data() {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("text");
        QTest::newRow("commit, then its key release: right") << QStringList{"c:我", "r"} << "." << "我";
        QTest::newRow("key release, then the commit: right") << QStringList{"r", "c:我"} << "." << "我";
        QTest::newRow("commit, then its key release: wrong") << QStringList{"c:你", "r"} << "我" << "你";
        QTest::newRow("key release, then the commit: wrong") << QStringList{"r", "c:你", "r"} << "我" << "你";
        QTest::newRow("a word committed at once is judged character by character")
            << QStringList{"c:我们国家", "r"} << "..的国" << "我们国家";
        QTest::newRow("a word after its release") << QStringList{"c:我", "r", "r", "c:们国家"} << "..的国" << "我们国家";
        QTest::newRow("pre-edit is never judged") << QStringList{"p:wo", "r", "p:wq", "r"} << "" << "";
        QTest::newRow("Backspace removes the marks of the deleted characters")
            << QStringList{"c:我你", "r", "b"} << "." << "我";
        QTest::newRow("Backspace, then the right character") << QStringList{"c:我你", "r", "b", "c:们", "r"} << ".."
                                                              << "我们";
        QTest::newRow("an arrow to the left cuts the marks") << QStringList{"c:我你的", "r", "l", "l"} << "." << "我你的";
        QTest::newRow("Latin letters by key clicks shift the pairing")
            << QStringList{"k:a", "c:我"} << QString::fromLatin1("hex:") + QString::fromLatin1(QByteArray::fromStdString(gb(QStringLiteral("我们")).substr(0, 3)).toHex())
            << "a我";
    }
    void typing() {
        QFETCH(QStringList, steps);
        QFETCH(QString, marks);
        QFETCH(QString, text);
        auto tf = makeForm();
        orderedTest(*tf);
        KeyLineEdit* line = put(*tf, 1);
        for (const QString& step : steps) {
            const QString arg = step.mid(2);
            switch (step.at(0).unicode()) {
            case 'c': commit(line, arg); break;
            case 'p': preedit(line, arg); break;
            case 'r': QTest::keyRelease(line, Qt::Key_Shift); break;
            case 'k': QTest::keyClicks(line, arg); break;
            case 'b': QTest::keyClick(line, Qt::Key_Backspace); break;
            case 'l': QTest::keyClick(line, Qt::Key_Left); break;
            }
        }
        const ByteText& m = panel(*tf).page().marks[0];
        if (marks.startsWith(QLatin1String("hex:")))
            QCOMPARE(QString::fromLatin1(QByteArray::fromStdString(m).toHex()), marks.mid(4));
        else
            QCOMPARE(readableMarks(m), marks);
        QCOMPARE(line->text(), text);
        QCOMPARE(tf->find<QLabel>(QStringLiteral("chinapd1"))->text(), bytes::toUnicode(m));
        // Nothing is counted before the line is full.
        QCOMPARE(tf->form->chinesePanel()->score().rightCount + tf->form->chinesePanel()->score().wrongCount, 0);
    }

    void hintsFollowTheCaret() {
        auto tf = makeForm();
        orderedTest(*tf);
        commit(put(*tf, 1), QStringLiteral("我们"));
        QCOMPARE(label(*tf, QStringLiteral("wbLabel1")).left(1), QStringLiteral("的"));
        QTest::keyClick(put(*tf, 1), Qt::Key_Backspace);
        QCOMPARE(label(*tf, QStringLiteral("wbLabel1")).left(1), QStringLiteral("们"));
        QVERIFY(!shown(*tf, "wbxhelp"));  // refreshed, but hidden in a test
    }

    void finishedLinesHandOverAndStayFinished() {
        auto tf = makeForm();
        orderedTest(*tf);
        const ExerciseScore& s = tf->form->chinesePanel()->score();
        // Line 1 in one commit with one wrong character and one too many.
        QString typed = kLine1;
        typed[4] = QChar(0x4E00);
        commit(put(*tf, 1), typed + QStringLiteral("多"));
        QCOMPARE(s.rightCount, 32);
        QCOMPARE(s.wrongCount, 2);
        QCOMPARE(put(*tf, 1)->text(), typed);  // cut to the reference
        QVERIFY(put(*tf, 1)->isReadOnly());
        QCOMPARE(put(*tf, 1)->focusPolicy(), Qt::NoFocus);
        checkWritable(*tf, 2);
        // The key release of the commit reaches the new line: nothing more is counted.
        QTest::keyRelease(put(*tf, 2), Qt::Key_Space);
        // A finished line takes neither commits nor key releases.
        commit(put(*tf, 1), QStringLiteral("再"));
        QTest::keyRelease(put(*tf, 1), Qt::Key_End);
        QCOMPARE(put(*tf, 1)->text(), typed);
        QCOMPARE(s.rightCount, 32);
        QCOMPARE(s.wrongCount, 2);
        // Lines 2 to 5; the fifth fills a new page.
        for (int k = 2; k <= 5; ++k) {
            commit(put(*tf, k), k % 2 == 0 ? kLine2 : kLine1);
            QTest::keyRelease(put(*tf, k), Qt::Key_Space);
        }
        QCOMPARE(s.rightCount, 32 + 4 * 33);
        QCOMPARE(s.wrongCount, 2);
        for (int k = 1; k <= 5; ++k) {
            QVERIFY(put(*tf, k)->text().isEmpty());
            QVERIFY(label(*tf, QStringLiteral("chinapd%1").arg(k)).isEmpty());
        }
        checkWritable(*tf, 1);
        QCOMPARE(label(*tf, QStringLiteral("chinatext1")), kLine2);  // the page goes on in the text
        // The lines were counted when they finished: the ending counts none of them again.
        tf->form->liveSettings().edit().testMinutes = 1;
        tickAfter(*tf, 60);
        QCOMPARE(tf->lastModal, QStringLiteral("cjreport"));
        QCOMPARE(s.rightCount, 32 + 4 * 33);
        QCOMPARE(s.wrongCount, 2);
    }

    // Nothing to type: refused like a damaged lesson, the page never opens.
    void anEmptyLessonIsRefused() {
        auto tf = makeForm(QString());
        tf->form->startExercise(ExerciseId::HighFrequency);
        QCOMPARE(tf->messages.errors.size(), 1);
        QVERIFY2(tf->messages.errors.first().contains(QLatin1String("holds no text")), qPrintable(tf->messages.errors.first()));
        QVERIFY(tf->form->chinesePanel()->isHidden());
    }

    void nextPageDiscardsTheTypingButNotTheCounts() {
        auto tf = makeForm();
        tf->form->startExercise(ExerciseId::HighFrequency);
        ExerciseScore& s = tf->form->chinesePanel()->score();
        const QString line1 = label(*tf, QStringLiteral("chinatext1"));
        commit(put(*tf, 1), line1);  // a full line: counted
        commit(put(*tf, 2), QStringLiteral("中文"));
        const int right = s.rightCount;
        QVERIFY(right > 0);
        tf->find<QToolButton>(QStringLiteral("chinanextpage"))->click();
        for (int k = 1; k <= 5; ++k) {
            QVERIFY(put(*tf, k)->text().isEmpty());
            QVERIFY(label(*tf, QStringLiteral("chinapd%1").arg(k)).isEmpty());
        }
        checkWritable(*tf, 1);
        QCOMPARE(s.rightCount, right);
        // The abandoned half line is not counted at the end either.
        tf->onModal = [&](QDialog&) {
            QCOMPARE(s.rightCount, right);
            QCOMPARE(s.wrongCount, 0);
        };
        tf->find<QToolButton>(QStringLiteral("chinaexit"))->click();
        QCOMPARE(tf->modalCount, 1);
    }

    // Each ending: what the user sees while the report is open and afterwards.
    void endings_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("toolBarDuringReport");
        QTest::newRow("退出 in practice") << "exit" << true;
        QTest::newRow("Escape in practice") << "escape" << true;
        QTest::newRow("Escape held in practice ends it once") << "heldEscape" << true;
        QTest::newRow("practice time limit") << "practiceLimit" << false;
        QTest::newRow("test time limit") << "testLimit" << true;
    }
    void endings() {
        QFETCH(QString, how);
        QFETCH(bool, toolBarDuringReport);
        auto tf = makeForm();
        ExerciseScore& s = tf->form->chinesePanel()->score();
        Settings& cfg = tf->form->liveSettings().edit();
        cfg.practiceMinutes = 2;
        cfg.testMinutes = 2;
        if (how == QLatin1String("testLimit"))
            orderedTest(*tf);
        else
            tf->form->startExercise(ExerciseId::HighFrequency);
        const QString ref = label(*tf, QStringLiteral("chinatext1"));
        commit(put(*tf, 1), ref.left(2) + QStringLiteral("丂"));  // two right, one wrong
        tickAfter(*tf, 75);
        bool sawReport = false;
        tf->onModal = [&](QDialog& d) {
            sawReport = true;
            QCOMPARE(d.objectName(), QStringLiteral("cjreport"));
            QCOMPARE(tf->form->toolBarTabs()->isEnabled(), toolBarDuringReport);
            QVERIFY(panel(*tf).isHidden());
            QVERIFY(!panel(*tf).timer()->isActive());
            QCOMPARE(s.rightCount, 2);
            QCOMPARE(s.wrongCount, 1);
            QCOMPARE(QString::fromStdString(s.elapsedText),
                     how.endsWith(QLatin1String("Limit")) ? QStringLiteral("0:02:00") : QStringLiteral("0:01:15"));
        };
        if (how == QLatin1String("exit"))
            tf->find<QToolButton>(QStringLiteral("chinaexit"))->click();
        else if (how == QLatin1String("escape"))
            QTest::keyClick(put(*tf, 1), Qt::Key_Escape);
        else if (how == QLatin1String("heldEscape")) {
            // The repeats reach the line the practice left.
            KeyLineEdit* line = put(*tf, 1);
            for (int i = 0; i < 4; ++i) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"), i > 0);
                QApplication::sendEvent(line, &press);
            }
            QTest::keyRelease(line, Qt::Key_Escape);
        } else
            tickAfter(*tf, 45);
        QVERIFY(sawReport);
        QCOMPARE(tf->modalCount, 1);
        checkMainScreen(*tf);
        // The next lesson finds the practice buttons and the hint bar.
        QVERIFY(shown(*tf, "chinanextpage") && shown(*tf, "chinaexit") && shown(*tf, "wbxhelp"));
        QVERIFY(!shown(*tf, "exitexit"));
    }

    void testStartsOnThePage_data() {
        QTest::addColumn<bool>("random");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("name");
        QTest::newRow("顺序测试") << false << QStringLiteral("中文练习") << QStringLiteral("/ctest.txt") << QStringLiteral("顺序测试");
        QTest::newRow("随机测试") << true << QStringLiteral("中文练习") << QStringLiteral("/ctest.txt") << QStringLiteral("随机测试");
        QTest::newRow("the English test") << false << QStringLiteral("英文练习") << QStringLiteral("/etest.txt") << QStringLiteral("顺序测试");
    }
    void testStartsOnThePage() {
        QFETCH(bool, random);
        QFETCH(QString, mode);
        QFETCH(QString, file);
        QFETCH(QString, name);
        auto tf = makeForm();
        ExerciseScore& s = tf->form->chinesePanel()->score();
        Settings& cfg = tf->form->liveSettings().edit();
        cfg.testMusic = false;
        cfg.chineseMusic = true;
        const bool english = mode == QStringLiteral("英文练习");
        tf->form->startExercise(english ? ExerciseId::EnglishTestFromStart
                                        : random ? ExerciseId::ChineseTestAtRandom : ExerciseId::ChineseTestFromStart);
        QCOMPARE(s.lessonTitle, bytes::gb("测试"));
        QCOMPARE(label(*tf, QStringLiteral("zzz1a")), mode);
        QCOMPARE(label(*tf, QStringLiteral("zzz2a")), name);
        QVERIFY(!shown(*tf, "chinanextpage") && !shown(*tf, "chinaexit") && !shown(*tf, "wbxhelp"));
        QVERIFY(shown(*tf, "exitexit"));
        QVERIFY(!tf->sound.playing);  // the test music setting, not the Chinese one
        if (!random && file == QLatin1String("/ctest.txt")) QCOMPARE(label(*tf, QStringLiteral("chinatext1")), kLine1);
        QVERIFY(!label(*tf, QStringLiteral("chinatext1")).isEmpty());
    }

    // Letters that reach a Chinese line as plain key presses mean no input method is
    // composing: the status bar says how to switch one on. Committed text, digits and
    // the English test's letters leave the hint alone.
    void inputMethodHint_data() {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("hinted");
        QTest::newRow("a lesson, letters typed without an input method") << "lesson" << "trnt" << true;
        QTest::newRow("a Chinese test, capital letters") << "test" << "TRNT" << true;
        QTest::newRow("a lesson, a character committed by the input method") << "lesson" << "=中" << false;
        QTest::newRow("a lesson, digits and signs") << "lesson" << "12,." << false;
        QTest::newRow("the English test takes letters") << "english" << "trnt" << false;
        QTest::newRow("letters, then the input method on and a commit: the hint goes") << "lesson" << "tr=中" << false;
    }
    void inputMethodHint() {
        QFETCH(QString, exercise);
        QFETCH(QString, keys);
        QFETCH(bool, hinted);
        auto tf = makeForm();
        if (exercise == QLatin1String("lesson"))
            tf->form->startExercise(ExerciseId::HighFrequency);
        else if (exercise == QLatin1String("test"))
            orderedTest(*tf);
        else
            tf->form->startExercise(ExerciseId::EnglishTestFromStart);
        tf->form->setHint(QString());
        // Keys, then what "=" is followed by as an input method's commit.
        QTest::keyClicks(put(*tf, 1), keys.section(QLatin1Char('='), 0, 0));
        if (keys.contains(QLatin1Char('='))) commit(put(*tf, 1), keys.section(QLatin1Char('='), 1));
        const QString hint = label(*tf, QStringLiteral("StatusPanel1"));
        if (hinted) {
            QVERIFY2(hint.contains(QStringLiteral("输入法")) && hint.contains(QStringLiteral("fcitx5")) &&
                         hint.contains(QStringLiteral("IBus")),
                     qPrintable(hint));
        } else {
            QCOMPARE(hint, QString());
        }
    }

    void escapeIsIgnoredInATest() {
        auto tf = makeForm();
        orderedTest(*tf);
        QTest::keyClick(put(*tf, 1), Qt::Key_Escape);
        QCOMPARE(tf->modalCount, 0);
        QVERIFY(!panel(*tf).isHidden());
        QVERIFY(panel(*tf).timer()->isActive());
        QVERIFY(put(*tf, 1)->text().isEmpty());
    }

    void forcedExit_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("No: the test goes on") << false;
        QTest::newRow("Yes: back to the main screen without a score") << true;
    }
    void forcedExit() {
        QFETCH(bool, yes);
        auto tf = makeForm();
        orderedTest(*tf);
        ExerciseScore& s = tf->form->chinesePanel()->score();
        Settings& cfg = tf->form->liveSettings().edit();
        cfg.mainMusic = false;
        commit(put(*tf, 1), kLine1.left(3));
        tickAfter(*tf, 30);
        tf->messages.answerYes = yes;
        tf->find<QToolButton>(QStringLiteral("exitexit"))->click();
        QCOMPARE(tf->messages.questions, QStringList{QStringLiteral("提示|这样退出将没有成绩,您确定吗?")});
        QCOMPARE(tf->modalCount, 0);
        QCOMPARE(s.rightCount, 0);  // no count either way
        if (!yes) {
            QVERIFY(!panel(*tf).isHidden());
            QVERIFY(panel(*tf).timer()->isActive());
            tickAfter(*tf, 1);
            QCOMPARE(label(*tf, QStringLiteral("chinatime2")), QStringLiteral("0:00:31"));  // no gap
            return;
        }
        checkMainScreen(*tf);
        QVERIFY(!tf->sound.playing);
        QVERIFY(shown(*tf, "chinanextpage") && shown(*tf, "chinaexit") && shown(*tf, "wbxhelp"));
        QVERIFY(!shown(*tf, "exitexit"));
    }

    // The clock keeps running while the question is open: the limit then ends the test
    // once, with its report, whatever the answer would have been.
    void limitWhileTheQuestionIsOpen_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("answer Yes") << true;
        QTest::newRow("answer No") << false;
    }
    void limitWhileTheQuestionIsOpen() {
        QFETCH(bool, yes);
        auto tf = makeForm();
        tf->form->liveSettings().edit().testMinutes = 1;
        orderedTest(*tf);
        tf->messages.answerYes = yes;
        tf->messages.duringQuestion = [&] {
            tickAfter(*tf, 60);
            QCOMPARE(tf->modalCount, 0);  // not inside the question
            tickAfter(*tf, 1);            // the clock has stopped
        };
        tf->find<QToolButton>(QStringLiteral("exitexit"))->click();
        QCOMPARE(tf->modalCount, 1);
        QCOMPARE(tf->lastModal, QStringLiteral("cjreport"));
        QCOMPARE(QString::fromStdString(tf->form->chinesePanel()->score().elapsedText), QStringLiteral("0:01:00"));
        checkMainScreen(*tf);
    }

    void clockLabelsAreNotResetAtAStart() {
        auto tf = makeForm();
        tf->form->startExercise(ExerciseId::HighFrequency);
        tickAfter(*tf, 5);
        tf->find<QToolButton>(QStringLiteral("chinaexit"))->click();
        tf->form->startExercise(ExerciseId::HighFrequency);
        QCOMPARE(label(*tf, QStringLiteral("chinatime1")), QStringLiteral("0:00:05"));
        QCOMPARE(label(*tf, QStringLiteral("chinatime2")), QStringLiteral("0:00:05"));
        tickAfter(*tf, 1);
        QCOMPARE(label(*tf, QStringLiteral("chinatime2")), QStringLiteral("0:00:01"));
    }

    void finalCountOfAWrongSecondCharacter() {
        auto tf = makeForm();
        tf->form->liveSettings().edit().testMinutes = 0;
        orderedTest(*tf);
        tf->onModal = [&](QDialog&) {};
        commit(put(*tf, 2), QStringLiteral("中文"));  // read-only: ignored
        // Line 1 is 我们..., so type line 2's start into line 1's place by finishing it.
        commit(put(*tf, 1), kLine1);
        const int right = tf->form->chinesePanel()->score().rightCount;
        commit(put(*tf, 2), QStringLiteral("中文"));
        tickAfter(*tf, 1);
        QCOMPARE(tf->modalCount, 1);
        QCOMPARE(tf->form->chinesePanel()->score().rightCount, right + 1);
        QCOMPARE(tf->form->chinesePanel()->score().wrongCount, 1);
    }
};

QTEST_MAIN(TestChinesePanel)
#include "test_chinese_panel.moc"
