// The vocabulary drill's rules: the walk through the list, judging, the clock.
#include "common/linestore.h"
#include "common/randomsource.h"
#include "vocabulary/worddrill.h"

#include <QtTest>

namespace {

qint64 at(int h, int m, int s) { return (h * 3600 + m * 60 + s) * qint64{1000}; }

QString u(const ByteText& t) { return bytes::toUnicode(t); }

struct Fixture {
    ExerciseScore state;
    Settings settings;
    LineStore list;
    RandomSource random;
    WordDrill drill{state, settings, list, random};

    explicit Fixture(const QStringList& lines) {
        ByteText text;
        for (const QString& l : lines) text += bytes::fromUnicode(l) + "\r\n";
        list.loadText(text);
    }
    // A drill that starts on the given line: the source is drawn on until its next
    // draw picks that line.
    void startAt(int pos) {
        for (RandomSource probe = random; probe.next() % list.count() != pos; probe = random) random.next();
        drill.start(at(12, 0, 0), bytes::gb("新版小学英语"));
    }
};

QString markText(WordDrill::Mark m) {
    switch (m) {
    case WordDrill::Mark::Right: return QStringLiteral("√");
    case WordDrill::Mark::Wrong: return QStringLiteral("×");
    default: return QString();
    }
}

QStringList tenLines() {
    QStringList l;
    for (int i = 0; i < 7; ++i) l << QStringLiteral("w%1*义%1").arg(i);
    l << QStringLiteral("apple*苹果") << QStringLiteral("book*书") << QStringLiteral("cat*猫");
    return l;
}

}  // namespace

class TestWordDrill : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void entryOnShow_data();
    void entryOnShow();
    void randomStart_data();
    void randomStart();
    void startResetsTheDrill();
    void clock_data();
    void clock();
    void finishReportsTheLastTick();
};

// Each answer in turn: the entry shown after it, its mark, the line reached.
void TestWordDrill::answers_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("startPos");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QStringList>("wordsAfter");
    QTest::addColumn<QStringList>("meaningsAfter");
    QTest::addColumn<QString>("marks");

    QTest::newRow("apple then book: Apple is wrong, book is right")
        << tenLines() << 7 << QStringList{"Apple", "book"} << QStringList{"book", "cat"}
        << QStringList{"书", "猫"} << QStringLiteral("×√");
    QTest::newRow("after the last line the walk goes on at the second line, not the first")
        << QStringList{"a*一", "b*二", "c*三"} << 2 << QStringList{"c", "b", "c"} << QStringList{"b", "c", "b"}
        << QStringList{"二", "三", "二"} << QStringLiteral("√√√");
    QTest::newRow("a list of one line asks its word for the rest of the drill")
        << QStringList{"solo*单独的"} << 0 << QStringList{"solo", "solo", "sol"}
        << QStringList{"solo", "solo", "solo"} << QStringList{"单独的", "单独的", "单独的"} << QStringLiteral("√√×");
    QTest::newRow("lines without a star leave the last entry on show and ask it again")
        << QStringList{"a*一", "", "no star here", "d*四"} << 0 << QStringList{"a", "a", "a"}
        << QStringList{"a", "a", "d"} << QStringList{"一", "一", "四"} << QStringLiteral("√√√");
    QTest::newRow("an empty answer against a word is wrong")
        << tenLines() << 7 << QStringList{""} << QStringList{"book"} << QStringList{"书"} << QStringLiteral("×");
    QTest::newRow("a trailing space makes the answer wrong")
        << tenLines() << 7 << QStringList{"apple "} << QStringList{"book"} << QStringList{"书"}
        << QStringLiteral("×");
    QTest::newRow("capitals count")
        << tenLines() << 8 << QStringList{"BOOK", "cat"} << QStringList{"cat", "w1"} << QStringList{"猫", "义1"}
        << QStringLiteral("×√");
    QTest::newRow("spaces around the star belong to word and meaning")
        << QStringList{"x*一", "look up * 查阅", "y*二"} << 1 << QStringList{"look up", "y"}
        << QStringList{"y", "look up "} << QStringList{"二", " 查阅"} << QStringLiteral("×√");
    QTest::newRow("further stars belong to the meaning")
        << QStringList{"x*一", "a*b*c"} << 0 << QStringList{"x", "a"} << QStringList{"a", "a"}
        << QStringList{"b*c", "b*c"} << QStringLiteral("√√");
    QTest::newRow("an empty word is answered right only by an empty answer")
        << QStringList{"x*一", "*空", "y*二"} << 1 << QStringList{"", "y", " "} << QStringList{"y", "", "y"}
        << QStringList{"二", "空", "二"} << QStringLiteral("√√×");
}

void TestWordDrill::answers() {
    QFETCH(QStringList, lines);
    QFETCH(int, startPos);
    QFETCH(QStringList, typed);
    QFETCH(QStringList, wordsAfter);
    QFETCH(QStringList, meaningsAfter);
    QFETCH(QString, marks);

    Fixture f(lines);
    f.startAt(startPos);
    int right = 0, wrong = 0;
    for (int i = 0; i < typed.size(); ++i) {
        const WordDrill::Mark m = f.drill.answer(bytes::fromUnicode(typed[i]));
        const QString step = QStringLiteral("answer %1").arg(i + 1);
        QVERIFY2(markText(m) == marks.mid(i, 1), qPrintable(step));
        QCOMPARE(markText(f.drill.mark()), marks.mid(i, 1));
        QCOMPARE(u(f.drill.word()), wordsAfter[i]);
        QCOMPARE(u(f.drill.meaning()), meaningsAfter[i]);
        (m == WordDrill::Mark::Right ? right : wrong) += 1;
        QCOMPARE(f.state.rightCount, right);
        QCOMPARE(f.state.wrongCount, wrong);
    }
}

// showWordLine on one line of the list.
void TestWordDrill::entryOnShow_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("meaning");

    QTest::newRow("word and meaning") << QStringLiteral("abandon*v. 放弃；抛弃") << "abandon" << "v. 放弃；抛弃";
    QTest::newRow("a sentence") << QStringLiteral("See you.*再见。") << "See you." << "再见。";
    QTest::newRow("no star: the previous entry stays") << QStringLiteral("plain") << "prev" << "上一个";
    QTest::newRow("an empty line: the previous entry stays") << QString() << "prev" << "上一个";
    QTest::newRow("nothing after the star") << QStringLiteral("bare*") << "bare" << "";
}

void TestWordDrill::entryOnShow() {
    QFETCH(QString, line);
    QFETCH(QString, word);
    QFETCH(QString, meaning);

    Fixture f({QStringLiteral("prev*上一个"), line});
    f.startAt(0);
    f.drill.answer("prev");
    QCOMPARE(u(f.drill.word()), word);
    QCOMPARE(u(f.drill.meaning()), meaning);
}

// The start takes one draw of the shared source modulo the list's size; the first
// draw of a fresh source is 346.
void TestWordDrill::randomStart_data() {
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("drawsBefore");
    QTest::addColumn<int>("pos");

    QTest::newRow("1000 lines: the draw itself") << 1000 << 0 << 346;
    QTest::newRow("100 lines: 346 mod 100") << 100 << 0 << 46;
    QTest::newRow("7 lines: 346 mod 7") << 7 << 0 << 3;
    QTest::newRow("one line") << 1 << 0 << 0;
    QTest::newRow("an empty list starts at 0") << 0 << 0 << 0;
    QTest::newRow("music drew first: the second draw, 13854878, counts") << 1000 << 1 << 878;
}

void TestWordDrill::randomStart() {
    QFETCH(int, lines);
    QFETCH(int, drawsBefore);
    QFETCH(int, pos);

    QStringList l;
    for (int i = 0; i < lines; ++i) l << QStringLiteral("w%1*义").arg(i);
    Fixture f(l);
    for (int i = 0; i < drawsBefore; ++i) f.random.next();
    f.drill.start(at(9, 0, 0), "t");
    QCOMPARE(u(f.drill.word()), lines > 0 ? QStringLiteral("w%1").arg(pos) : QString());
}

void TestWordDrill::startResetsTheDrill() {
    Fixture f({QStringLiteral("a*一"), QStringLiteral("b*二")});
    f.state.lessonTitle = "old";
    f.startAt(0);
    f.drill.answer("a");
    f.drill.answer("x");
    f.drill.tick(at(12, 1, 0));

    // A second drill over another list.
    f.list.loadText(bytes::gb("c*三\r\nd*四\r\n"));
    f.drill.start(at(15, 0, 0), bytes::gb("GRE英语词汇"));
    QVERIFY(f.drill.word() == "c" || f.drill.word() == "d");
    QCOMPARE(f.state.rightCount, 0);
    QCOMPARE(f.state.wrongCount, 0);
    QCOMPARE(f.drill.mark(), WordDrill::Mark::None);
    QCOMPARE(u(f.state.modeTitle), QStringLiteral("轻轻松松背单词"));
    QCOMPARE(u(f.state.lessonTitle), QStringLiteral("GRE英语词汇"));
    QCOMPARE(f.state.startMs, at(15, 0, 0));
    QCOMPARE(u(f.drill.clockText()), QStringLiteral("0:00:00"));
    QVERIFY(f.drill.running());
}

// A tick at `now` for a drill started at `start`: the clock text and whether the
// limit ends the drill.
void TestWordDrill::clock_data() {
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ends");

    QTest::newRow("limit 10 not at 0:09:59") << at(12, 0, 0) << at(12, 9, 59) << 10 << "0:09:59" << false;
    QTest::newRow("limit 10 at the tick that first shows 0:10") << at(12, 0, 0) << at(12, 10, 0) << 10 << "0:10:00" << true;
    QTest::newRow("a tick 0.4 s early shows its own second and ends")
        << at(12, 0, 0) << at(12, 10, 0) - 400 << 10 << "0:10:00" << true;
    QTest::newRow("a tick past the limit minute ends, showing the limit")
        << at(12, 0, 0) << at(12, 11, 0) << 10 << "0:10:00" << true;
    QTest::newRow("the hours count: 1:10:05 is short of 71 minutes") << at(8, 0, 0) << at(9, 10, 5) << 71 << "1:10:05" << false;
    QTest::newRow("limit 60 at 1:00:00") << at(8, 0, 0) << at(9, 0, 0) << 60 << "1:00:00" << true;
}

void TestWordDrill::clock() {
    QFETCH(qint64, start);
    QFETCH(qint64, now);
    QFETCH(int, limit);
    QFETCH(QString, text);
    QFETCH(bool, ends);

    Fixture f({QStringLiteral("a*一")});
    f.settings.wordMinutes = limit;
    f.drill.start(start, "t");
    QCOMPARE(f.drill.tick(now), ends);
    QCOMPARE(u(f.drill.clockText()), text);
}

void TestWordDrill::finishReportsTheLastTick() {
    Fixture f({QStringLiteral("a*一")});
    f.settings.wordMinutes = 10;
    f.drill.start(at(12, 0, 0), "t");
    f.state.elapsedText = "9:99:99";
    f.drill.finish();
    QCOMPARE(u(f.state.elapsedText), QStringLiteral("0:00:00"));  // ended before the first tick
    QVERIFY(!f.drill.running());

    f.drill.start(at(12, 0, 0), "t");
    f.drill.tick(at(12, 0, 7));
    f.drill.finish();  // later than the tick: the report still shows the tick's time
    QCOMPARE(u(f.state.elapsedText), QStringLiteral("0:00:07"));
}

QTEST_GUILESS_MAIN(TestWordDrill)
#include "test_worddrill.moc"
