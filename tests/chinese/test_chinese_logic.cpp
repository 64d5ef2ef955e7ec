// Page filling, the line check, the final count, the clock and the endings.
#include "adaptive/chinesedrill.h"
#include "chinese/chinesecheck.h"
#include "chinese/chineseclock.h"
#include "chinese/chinesepage.h"
#include "common/randomsource.h"

#include <QtTest>
#include <map>

using namespace chinese;

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

ByteText gb(const QString& s) { return bytes::fromUnicode(s); }

// A lesson of n bytes made of distinct two-byte characters, so every slice is known.
ByteText lessonOf(int n) {
    ByteText t;
    for (int i = 0; static_cast<int>(t.size()) < n; ++i) t += gb(QString(QChar(0x4E00 + i)));
    return t.substr(0, static_cast<size_t>(n));
}

// Marks written readably: "." for a right unit, the character itself for a wrong one.
QString readableMarks(const ByteText& marks) {
    QString out;
    for (size_t i = 0; i < marks.size(); i += 2) {
        const ByteText unit = marks.substr(i, 2);
        out += unit == "  " ? QStringLiteral(".") : bytes::toUnicode(unit);
    }
    return out;
}

const CodeBook& emptyBook() {
    static CodeBook b;
    return b;
}

}  // namespace

class TestChineseLogic : public QObject {
    Q_OBJECT
private slots:
    void adaptiveCommitsTimed_data();
    void adaptiveCommitsTimed();
    void adaptiveLessonFavoursTheWeakest_data();
    void adaptiveLessonFavoursTheWeakest();
    void pageFilling_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("start");
        QTest::addColumn<std::vector<int>>("slices");  // start, length of each line
        QTest::addColumn<int>("nextStart");            // of the page after, 0: byte 1
        QTest::newRow("100 bytes from byte 1 walk 1-66, 67-100 and start again")
            << 100 << 1 << std::vector<int>{1, 66, 67, 34, 1, 66, 67, 34, 1, 66} << 67;
        QTest::newRow("40 bytes show the whole text on every line")
            << 40 << 1 << std::vector<int>{1, 40, 1, 40, 1, 40, 1, 40, 1, 40} << 0;
        QTest::newRow("a wrap in the middle of a page goes on from the beginning")
            << 200 << 133 << std::vector<int>{133, 66, 199, 2, 1, 66, 67, 66, 133, 66} << 199;
        QTest::newRow("position 0 stands for the first byte")
            << 300 << 0 << std::vector<int>{1, 66, 67, 66, 133, 66, 199, 66, 265, 36} << 0;
        QTest::newRow("an empty lesson gives five empty lines")
            << 0 << 0 << std::vector<int>{1, 0, 1, 0, 1, 0, 1, 0, 1, 0} << 0;
    }
    void pageFilling() {
        QFETCH(int, size);
        QFETCH(int, start);
        QFETCH(std::vector<int>, slices);
        QFETCH(int, nextStart);
        const ByteText lesson = lessonOf(size);
        ExerciseScore s;
        Page page;
        page.lessonSize = size;
        page.lessonPos = start;
        // Half a line typed on line 4, three characters of it wrong, before the new page.
        page.text[3] = gb(QStringLiteral("中国中国中国中国"));
        page.input[3] = gb(QStringLiteral("中文中文中文"));
        page.writable = 3;
        checkLine(page, s, 3, 12);
        QVERIFY(!page.marks[3].empty());
        fillPage(page, lesson);
        for (int k = 0; k < kLineCount; ++k) {
            const ByteText want = lesson.substr(static_cast<size_t>(slices[2 * k] - 1), static_cast<size_t>(slices[2 * k + 1]));
            QCOMPARE(page.text[k], want);
            QVERIFY(page.marks[k].empty());
            QVERIFY(page.input[k].empty());
        }
        QCOMPARE(page.writable, 0);
        // The abandoned line is dropped: an ending must not count it.
        chinese::finalCount(page, s);
        QCOMPARE(s.rightCount, 0);
        QCOMPARE(s.wrongCount, 0);
        // The new page's first line is judged from its start: a wrong first
        // character is marked even though the abandoned line was longer.
        page.input[0] = gb(QStringLiteral("错"));
        checkLine(page, s, 0, 2);
        QCOMPARE(page.marks[0], bytes::left(page.text[0], 2));
        // The page after goes on where this one stopped.
        fillPage(page, lesson);
        QCOMPARE(page.text[0], bytes::copy(lesson, nextStart, kLineBytes));
    }

    void startFromDraw_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("draw");
        QTest::addColumn<int>("start");
        QTest::newRow("odd draw stands: 9 of 10 starts at the fifth character") << 10 << 9 << 9;
        QTest::newRow("even draw moves on one: 4 of 10 starts at byte 5") << 10 << 4 << 5;
        QTest::newRow("the draw is taken modulo the size") << 10 << 24 << 5;
        QTest::newRow("0 becomes 1") << 10 << 0 << 1;
        QTest::newRow("made odd past the end starts at 0") << 9 << 8 << 0;
        QTest::newRow("empty lesson") << 0 << 12345 << 0;
    }
    void startFromDraw() {
        QFETCH(int, size);
        QFETCH(int, draw);
        QFETCH(int, start);
        QCOMPARE(chinese::startFromDraw(size, draw), start);
    }

    void randomStartDrawsOnlyForALesson() {
        RandomSource r;
        QCOMPARE(randomStart(0, r), 0);  // no draw for an empty lesson
        QCOMPARE(randomStart(1000, r), 347);  // the first draw, 346, made odd
        RandomSource fresh;
        fresh.next();
        QCOMPARE(r.next(), fresh.next());
    }

    // Steps run one after another on line 1; each is "text" with the caret at its end
    // or "text|caret" with a caret byte offset.
    void check_data() {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("marks");  // readable, or hex: for bytes
        QTest::addColumn<bool>("full");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("lineAfter");

        const QString ref = QStringLiteral("中国人民");
        QTest::newRow("a right character adds two spaces") << ref << QStringList{QStringLiteral("中")} << QStringLiteral(".")
                                                          << false << 0 << 0 << QStringLiteral("中");
        QTest::newRow("a wrong character adds the reference character")
            << ref << QStringList{QStringLiteral("文")} << QStringLiteral("中") << false << 0 << 0 << QStringLiteral("文");
        QTest::newRow("a word committed at once is judged character by character")
            << ref << QStringList{QStringLiteral("中文人")} << QStringLiteral(".国.") << false << 0 << 0
            << QStringLiteral("中文人");
        QTest::newRow("a release that changes nothing adds nothing")
            << ref << QStringList{QStringLiteral("中文"), QStringLiteral("中文")} << QStringLiteral(".国") << false << 0 << 0
            << QStringLiteral("中文");
        QTest::newRow("Backspace cuts the marks; retyping adds fresh ones")
            << ref << QStringList{QStringLiteral("中文人"), QStringLiteral("中文"), QStringLiteral("中"), QStringLiteral("中国")}
            << QStringLiteral("..") << false << 0 << 0 << QStringLiteral("中国");
        QTest::newRow("an arrow to the left cuts the marks, back to the right does not restore them")
            << ref << QStringList{QStringLiteral("中文人"), QStringLiteral("中文人|2"), QStringLiteral("中文人|6")}
            << QStringLiteral(".") << false << 0 << 0 << QStringLiteral("中文人");
        QTest::newRow("a one-byte character shifts the pairing")
            << ref << QStringList{QStringLiteral("a"), QStringLiteral("a中")}
            // 'a' against the first byte of 中, then 中 against the straddling bytes.
            << QStringLiteral("hex:") + QString::fromLatin1(QByteArray::fromStdString(gb(ref).substr(0, 3)).toHex())
            << false << 0 << 0 << QStringLiteral("a中");
        QTest::newRow("characters beyond the end are counted wrong and cut off")
            << QStringLiteral("中国") << QStringList{QStringLiteral("中国人民")} << QStringLiteral("..") << true << 2 << 2
            << QStringLiteral("中国");
        QTest::newRow("an empty reference line finishes at the first release")
            << QString() << QStringList{QString()} << QString() << true << 0 << 0 << QString();

        QString line33, typed32, wrongLast;
        for (int i = 0; i < 33; ++i) line33 += QChar(0x4E00 + 2 * i);
        typed32 = line33.left(32);
        QTest::newRow("a full line finishes at caret column 67")
            << line33 << QStringList{line33} << QString(33, QLatin1Char('.')) << true << 33 << 0 << line33;
        QTest::newRow("a caret after byte 65 (column 66) finishes the line too")
            << line33 << QStringList{typed32, typed32 + QStringLiteral("a")}
            << QStringLiteral("hex:") + QString::fromLatin1(QByteArray(64, ' ').toHex()) +
                   QString::fromLatin1(QByteArray::fromStdString(gb(line33).substr(64, 1)).toHex())
            << true << 32 << 1 << typed32 + QStringLiteral("a");
        QTest::newRow("caret column 65 does not finish a 66-byte line")
            << line33 << QStringList{typed32} << QString(32, QLatin1Char('.')) << false << 0 << 0 << typed32;
    }
    void check() {
        QFETCH(QString, reference);
        QFETCH(QStringList, steps);
        QFETCH(QString, marks);
        QFETCH(bool, full);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, lineAfter);
        ExerciseScore s;
        Page page;
        page.text[0] = gb(reference);
        CheckResult r;
        for (const QString& step : steps) {
            const QStringList parts = step.split(QLatin1Char('|'));
            page.input[0] = gb(parts[0]);
            const int caret = parts.size() > 1 ? parts[1].toInt() : static_cast<int>(page.input[0].size());
            r = checkLine(page, s, 0, caret);
        }
        if (marks.startsWith(QLatin1String("hex:")))
            QCOMPARE(QString::fromLatin1(QByteArray::fromStdString(page.marks[0]).toHex()), marks.mid(4));
        else
            QCOMPARE(readableMarks(page.marks[0]), marks);
        QCOMPARE(r.full, full);
        QCOMPARE(s.rightCount, right);
        QCOMPARE(s.wrongCount, wrong);
        QCOMPARE(bytes::toUnicode(page.input[0]), lineAfter);
        if (full) {
            // Counted once: nothing is left for the ending to count again.
            chinese::finalCount(page, s);
            QCOMPARE(s.rightCount, right);
            QCOMPARE(s.wrongCount, wrong);
            // The next line is judged from its start.
            page.text[1] = gb(QStringLiteral("对的"));
            page.input[1] = gb(QStringLiteral("错"));
            checkLine(page, s, 1, 2);
            QCOMPARE(page.marks[1], gb(QStringLiteral("对")));
        }
    }

    // What an ending adds for the line in progress, typed with the caret at `caret`.
    void finalCount_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::newRow("中文 against 中国 adds one right and one wrong")
            << QStringLiteral("中文") << 4 << QStringLiteral("中国人") << 1 << 1;
        QTest::newRow("nothing typed adds nothing") << QString() << 0 << QStringLiteral("中国") << 0 << 0;
        QTest::newRow("up to the caret only, its half character included")
            << QStringLiteral("中文人") << 4 << QStringLiteral("中国人民") << 2 << 1;
        QTest::newRow("past the reference's end counts wrong, once")
            << QStringLiteral("中国人") << 6 << QStringLiteral("中") << 1 << 2;
    }
    void finalCount() {
        QFETCH(QString, typed);
        QFETCH(int, caret);
        QFETCH(QString, reference);
        QFETCH(int, right);
        QFETCH(int, wrong);
        ExerciseScore s;
        s.rightCount = 10;
        s.wrongCount = 20;
        Page page;
        page.text[0] = gb(reference);
        page.input[0] = gb(typed);
        checkLine(page, s, 0, caret);
        chinese::finalCount(page, s);
        QCOMPARE(s.rightCount, 10 + right);
        QCOMPARE(s.wrongCount, 20 + wrong);
        chinese::finalCount(page, s);  // a second ending finds nothing left
        QCOMPARE(s.rightCount, 10 + right);
        QCOMPARE(s.wrongCount, 20 + wrong);
    }

    void handOver_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("writableAfter");
        QTest::addColumn<bool>("newPage");
        QTest::newRow("line 1 hands over to line 2") << 0 << 1 << false;
        QTest::newRow("line 4 hands over to line 5") << 3 << 4 << false;
        QTest::newRow("line 5 fills a new page from line 1") << 4 << 0 << true;
    }
    void handOver() {
        QFETCH(int, line);
        QFETCH(int, writableAfter);
        QFETCH(bool, newPage);
        const ByteText lesson = lessonOf(1000);
        ExerciseScore s;
        Page page;
        page.lessonSize = 1000;
        page.lessonPos = 1;
        fillPage(page, lesson);
        page.writable = line;
        const auto textBefore = page.text;
        HintBar bar;
        const CodeBooks books{&emptyBook(), &emptyBook(), &emptyBook(), &emptyBook()};
        const ByteText typed = page.text[line];
        const ChangeResult r = lineChanged(page, bar, s, lesson, books, line, typed, static_cast<int>(typed.size()));
        QVERIFY(r.full);
        QCOMPARE(r.newPage, newPage);
        QCOMPARE(page.writable, writableAfter);
        QCOMPARE(s.rightCount, 33);
        if (newPage) {
            // The page after the one from byte 1 starts at byte 331.
            QCOMPARE(page.text[0], lesson.substr(330, 66));
            QVERIFY(page.input[line].empty());
        } else {
            QCOMPARE(page.input[line], typed);
            QCOMPARE(page.text, textBefore);
        }
    }

    void tick_data() {
        QTest::addColumn<bool>("test");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("startSec");
        QTest::addColumn<int>("nowSec");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("ending");  // -1 none
        const int noon = 12 * 3600;
        QTest::newRow("practice limit 5 ends at minutes 05") << false << 5 << noon << noon + 300 << QStringLiteral("0:05:00")
                                                            << static_cast<int>(Ending::PracticeLimit);
        QTest::newRow("practice limit 5 goes on at 0:04:59") << false << 5 << noon << noon + 299 << QStringLiteral("0:04:59") << -1;
        QTest::newRow("limit 60 goes on at 0:59:59") << false << 60 << noon << noon + 3599 << QStringLiteral("0:59:59") << -1;
        QTest::newRow("limit 60 ends at 1:00:00") << false << 60 << noon << noon + 3600 << QStringLiteral("1:00:00")
                                                 << static_cast<int>(Ending::PracticeLimit);
        QTest::newRow("limit 5 ends at a tick an hour late, showing 0:05:00")
            << false << 5 << noon << noon + 3900 << QStringLiteral("0:05:00") << static_cast<int>(Ending::PracticeLimit);
        QTest::newRow("a test limit of 90 ends at 1:30:00") << true << 90 << noon << noon + 5400
                                                           << QStringLiteral("1:30:00") << static_cast<int>(Ending::TestLimit);
        QTest::newRow("a test ends by the test limit") << true << 3 << noon << noon + 180 << QStringLiteral("0:03:00")
                                                      << static_cast<int>(Ending::TestLimit);
    }
    void tick() {
        QFETCH(bool, test);
        QFETCH(int, limit);
        QFETCH(int, startSec);
        QFETCH(int, nowSec);
        QFETCH(QString, caption);
        QFETCH(int, ending);
        ExerciseScore s;
        Settings cfg;
        s.kind = &exerciseKind(test ? ExerciseId::ChineseTestFromStart : ExerciseId::HighFrequency);
        // The other limit is 0, which would end at once if it were the one used.
        (test ? cfg.testMinutes : cfg.practiceMinutes) = limit;
        s.startMs = startSec * qint64{1000};
        const TickResult r = chinese::tick(s, cfg, nowSec * qint64{1000});
        QCOMPARE(QString::fromStdString(r.caption), caption);
        QCOMPARE(r.ending ? static_cast<int>(*r.ending) : -1, ending);
    }

    void endings_data() {
        QTest::addColumn<int>("ending");
        QTest::addColumn<bool>("test");
        QTest::addColumn<bool>("counted");  // the line in progress and the time are taken
        QTest::addColumn<bool>("enableToolBar");
        QTest::addColumn<bool>("restore");
        QTest::addColumn<bool>("report");
        QTest::newRow("退出 in practice") << static_cast<int>(Ending::PracticeExit) << false << true << true << false << true;
        QTest::newRow("Escape in practice") << static_cast<int>(Ending::PracticeEscape) << false << true << true << false << true;
        QTest::newRow("practice limit: the tool bar waits for the report")
            << static_cast<int>(Ending::PracticeLimit) << false << true << false << false << true;
        QTest::newRow("test limit") << static_cast<int>(Ending::TestLimit) << true << true << true << false << true;
        QTest::newRow("forced exit: no count, no report") << static_cast<int>(Ending::ForcedExit) << true << false << false
                                                          << true << false;
    }
    void endings() {
        QFETCH(int, ending);
        QFETCH(bool, test);
        QFETCH(bool, counted);
        QFETCH(bool, enableToolBar);
        QFETCH(bool, restore);
        QFETCH(bool, report);
        ExerciseScore s;
        s.elapsedText = "old";
        // 中文 typed on a line of 中国人: one right, one wrong when counted.
        Page page;
        page.text[0] = gb(QStringLiteral("中国人"));
        page.input[0] = gb(QStringLiteral("中文"));
        checkLine(page, s, 0, 4);
        PanelFlags f;
        f.panelVisible = true;
        f.timerOn = true;
        if (test) showTestButtons(f);
        QVERIFY(test ? (!f.hintBarVisible && f.exitExitVisible && !f.nextPageVisible) : f.hintBarVisible);
        const EndingEffect fx = endExercise(static_cast<Ending>(ending), s, page, f, "0:02:40");
        QCOMPARE(fx.enableToolBar, enableToolBar);
        QCOMPARE(fx.restoreMainScreen, restore);
        QCOMPARE(fx.openReport, report);
        QCOMPARE(s.elapsedText, counted ? ByteText("0:02:40") : ByteText("old"));
        QCOMPARE(s.rightCount, counted ? 1 : 0);
        QCOMPARE(s.wrongCount, counted ? 1 : 0);
        // Every ending stops the clock, hides the panel and leaves the practice buttons.
        QVERIFY(!f.timerOn);
        QVERIFY(!f.panelVisible);
        QVERIFY(f.hintBarVisible);
        QVERIFY(f.nextPageVisible);
        QVERIFY(f.chinaExitVisible);
        QVERIFY(!f.exitExitVisible);
    }
};

void TestChineseLogic::adaptiveLessonFavoursTheWeakest_data() {
    QTest::addColumn<int>("weak");       // which of the starting characters the learner finds hard
    QTest::addColumn<int>("slowMs");     // its time (the others take 500 ms)
    QTest::addColumn<int>("missEvery");  // one commit of it in so many wrong (0: none)

    QTest::newRow("slow on the fifth character: it opens the lesson and comes back most") << 4 << 2500 << 0;
    QTest::newRow("quick on the first but often wrong: the same") << 0 << 500 << 3;
    QTest::newRow("slow on the last starting character") << adaptive::kChineseStarting - 1 << 2000 << 0;
}

// A simulated learner types the lessons the drill makes, a character a commit; a
// pause before a commit and each line's first commit are not counted as typing time.
void TestChineseLogic::adaptiveLessonFavoursTheWeakest() {
    QFETCH(int, weak);
    QFETCH(int, slowMs);
    QFETCH(int, missEvery);
    adaptive::ChineseDrill drill(adaptive::wubiSource(JAXO_BUILD_APPDIR));
    QVERIFY2(drill.model().size() == adaptive::kChineseItems, "the high-frequency characters are read");
    const ByteText hard = drill.model().item(weak);
    RandomSource random;
    std::int64_t now = 0;
    int misses = 0;
    std::vector<ByteText> lesson;
    for (int round = 0; round < 6; ++round) {
        lesson = adaptive::characters(drill.lesson(300, random));
        drill.lineStarted();
        now += 60000;  // a break between lessons
        for (const ByteText& c : lesson) {
            const bool isHard = c == hard;
            now += isHard ? slowMs : 500;
            const bool wrong = isHard && missEvery && ++misses % missEvery == 0;
            drill.committed({c}, {wrong ? ByteText("\xA1\xA1") : c}, now);
        }
    }
    lesson = adaptive::characters(drill.lesson(300, random));
    QCOMPARE(drill.focus(), hard);
    // It opens the lesson, alone or in a word of up to four characters.
    QVERIFY(std::find(lesson.begin(), lesson.begin() + 4, hard) != lesson.begin() + 4);
    // Drawn most among the characters in play (words bring in others besides).
    std::map<ByteText, int> count;
    for (const ByteText& c : lesson) ++count[c];
    for (int i = 0; i < drill.model().inPlay(); ++i)
        if (i != weak) QVERIFY2(count[hard] > count[drill.model().item(i)], qPrintable(QString::number(i)));
    // The easy ones are at 120 a minute, the pauses left out.
    const adaptive::ItemStats& easy = drill.model().stats(weak == 0 ? 1 : 0);
    QCOMPARE(qRound(easy.charsPerMinute()), 120);
}

void TestChineseLogic::adaptiveCommitsTimed_data() {
    QTest::addColumn<QList<int>>("sizes");  // characters in each commit, every one 啊
    QTest::addColumn<QList<int>>("gaps");   // ms before each commit
    QTest::addColumn<int>("timed");
    QTest::addColumn<int>("perMinute");

    QTest::newRow("one a second: 60 a minute, the line's first commit not timed")
        << QList<int>{1, 1, 1} << QList<int>{0, 1000, 1000} << 2 << 60;
    QTest::newRow("a word of two in 1.2 s: 0.6 s each") << QList<int>{1, 2} << QList<int>{0, 1200} << 2 << 100;
    QTest::newRow("a pause of 10 s is no typing time") << QList<int>{1, 1, 1} << QList<int>{0, 10000, 1000} << 1 << 60;
    QTest::newRow("7 s for two characters is a pause too") << QList<int>{1, 2} << QList<int>{0, 7000} << 0 << 0;
    QTest::newRow("5 s for two characters is typing") << QList<int>{1, 2} << QList<int>{0, 5000} << 2 << 24;
}

void TestChineseLogic::adaptiveCommitsTimed() {
    QFETCH(QList<int>, sizes);
    QFETCH(QList<int>, gaps);
    QFETCH(int, timed);
    QFETCH(int, perMinute);
    const ByteText a = "\xB0\xA1";  // 啊
    adaptive::ChineseDrill drill(adaptive::ItemSource{{a, "\xB0\xA2"}, {}});
    drill.lineStarted();
    std::int64_t now = 0;
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        now += gaps[i];
        const std::vector<ByteText> chars(static_cast<size_t>(sizes[i]), a);
        drill.committed(chars, chars, now);
    }
    QCOMPARE(drill.model().stats(0).timed, timed);
    QCOMPARE(qRound(drill.model().stats(0).charsPerMinute()), perMinute);
    // One character whatever its length in bytes, a four-byte one included.
    QCOMPARE(adaptive::characters(ByteText("\x81\x30\x81\x30") + a + "x").size(), size_t(3));
}

QTEST_GUILESS_MAIN(TestChineseLogic)
#include "test_chinese_logic.moc"
