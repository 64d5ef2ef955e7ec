// English practice without widgets: page cutting, the byte check, counting, the clock.
#include "adaptive/englishdrill.h"
#include "common/randomsource.h"
#include "english/englishpractice.h"

#include <QtTest>

using english::EnglishPractice;
using KeyUp = EnglishPractice::KeyUpResult;

namespace {
// A text whose every byte tells its offset: "0123456789" repeated.
ByteText digits(int n) {
    ByteText t;
    for (int i = 0; i < n; ++i) t += static_cast<char>('0' + i % 10);
    return t;
}
ByteText bytesOf(const ByteText& text, int from, int to) { return text.substr(static_cast<size_t>(from), static_cast<size_t>(to - from + 1)); }

// Letters in no repeating order, so that a run of lines is found in one place only.
ByteText varied(int n) {
    RandomSource letters;
    ByteText t;
    for (int i = 0; i < n; ++i) t += static_cast<char>('a' + letters.next() % 26);
    return t;
}

// The page's three lines, one after the other.
ByteText pageText(const EnglishPractice& p) { return p.reference(0) + p.reference(1) + p.reference(2); }

// Whether shown is a run of the text read as a circle.
bool runOf(const ByteText& text, const ByteText& shown) { return (text + text).find(shown) != ByteText::npos; }

// A reference line of 66 letters.
ByteText line66() {
    ByteText t;
    for (int i = 0; i < 66; ++i) t += static_cast<char>('a' + i % 26);
    return t;
}

// Whether every word of a line holds the key.
bool everyWordHolds(const ByteText& line, char key) {
    const QStringList words = QString::fromStdString(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return !words.isEmpty() && std::all_of(words.begin(), words.end(), [key](const QString& w) { return w.contains(QLatin1Char(key)); });
}

qint64 at(int h, int m, int s) { return (h * 3600 + m * 60 + s) * qint64{1000}; }
}  // namespace

class TestEnglishPractice : public QObject {
    Q_OBJECT
private slots:
    void cutPage_data();
    void cutPage();
    void nextPageTwiceShowsTheFollowingPages();
    void randomStartTakesAnyByte();
    void startResetsCountsAndTheLineInProgress();

    void checkLine_data();
    void checkLine();
    void lineOf66WithTwoErrors();
    void sixtySeventhByteCountsWrong();
    void emptyReferenceFinishesAtOnce();

    void finishingLineThreeFillsANewPage();
    void finishedLinesIgnoreKeys();
    void snapshotNotCountedTwice_data();
    void snapshotNotCountedTwice();

    void clock_data();
    void clock();

    void adaptiveDrillFollowsTheSlowKey_data();
    void adaptiveDrillFollowsTheSlowKey();
    void adaptiveFiguresSurviveTheirFile_data();
    void adaptiveFiguresSurviveTheirFile();
};

void TestEnglishPractice::cutPage_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("pos");
    QTest::addColumn<QList<int>>("ranges");  // first and last byte of each line, -1 -1 for empty
    QTest::addColumn<int>("posAfter");

    QTest::newRow("100 bytes from 0: the second line is short, the third starts over")
        << 100 << 0 << QList<int>{0, 65, 66, 99, 0, 65} << 66;
    QTest::newRow("100 bytes from 90: 10 bytes, then the circle goes on") << 100 << 90 << QList<int>{90, 99, 0, 65, 66, 99} << 0;
    QTest::newRow("40 bytes: every line is the whole text") << 40 << 0 << QList<int>{0, 39, 0, 39, 0, 39} << 0;
    QTest::newRow("exactly 198 bytes: one whole page, back to 0") << 198 << 0 << QList<int>{0, 65, 66, 131, 132, 197} << 0;
    QTest::newRow("empty text: three empty lines") << 0 << 0 << QList<int>{-1, -1, -1, -1, -1, -1} << 0;
    QTest::newRow("start on the last byte: a line of one byte") << 100 << 99 << QList<int>{99, 99, 0, 65, 66, 99} << 0;
}

void TestEnglishPractice::cutPage() {
    QFETCH(int, size);
    QFETCH(int, pos);
    QFETCH(QList<int>, ranges);
    QFETCH(int, posAfter);
    const ByteText text = digits(size);
    const auto lines = english::cutPage(text, pos);
    for (int k = 0; k < 3; ++k) {
        const int from = ranges[2 * k], to = ranges[2 * k + 1];
        const ByteText expected = from < 0 ? ByteText() : bytesOf(text, from, to);
        QCOMPARE(QString::fromStdString(lines[static_cast<size_t>(k)]), QString::fromStdString(expected));
    }
    QCOMPARE(pos, posAfter);
}

void TestEnglishPractice::nextPageTwiceShowsTheFollowingPages() {
    ExerciseScore s;
    EnglishPractice p(s);
    const ByteText text = varied(1000);
    RandomSource r;
    p.start(text, r);
    // Wherever the first page began, each page goes on where the last one stopped.
    ByteText shown = pageText(p);
    for (int page = 1; page <= 2; ++page) {
        p.fillPage();
        shown += pageText(p);
    }
    QCOMPARE(shown.size(), size_t(9 * 66));
    QVERIFY(runOf(text, shown));
}

void TestEnglishPractice::randomStartTakesAnyByte() {
    // The first draw is 346: 346 mod 101 = 43, odd positions are not preferred.
    RandomSource r;
    QCOMPARE(english::randomStart(101, r), 346 % 101);
    RandomSource r2;
    QCOMPARE(english::randomStart(0, r2), 0);
    QCOMPARE(r2.next(), 346);  // an empty text draws nothing
}

void TestEnglishPractice::startResetsCountsAndTheLineInProgress() {
    ExerciseScore s;
    s.rightCount = 7;
    s.wrongCount = 3;
    EnglishPractice p(s);
    RandomSource r;
    p.start(digits(500), r);
    p.keyUp(0, "#####", 5);  // a line begun, all wrong, and left
    p.start(digits(500), r);
    QCOMPARE(s.rightCount, 0);
    QCOMPARE(s.wrongCount, 0);
    p.finalCount();  // an ending before any key counts nothing of the earlier start
    QCOMPARE(s.rightCount + s.wrongCount, 0);
}

void TestEnglishPractice::checkLine_data() {
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<bool>("finished");
    // What is counted by an ending right after this release: the line up to one byte
    // past the caret, or, for a finished line, the whole line once.
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");

    QTest::newRow("abcd typed abx: the c shows red") << "abcd" << "abx" << 3 << "  c" << false << 2 << 1;
    QTest::newRow("then Backspace: two blanks") << "abcd" << "ab" << 2 << "  " << false << 2 << 0;
    QTest::newRow("caret at the start: no marks, the byte after it counts") << "abcd" << "xb" << 0 << "" << false << 0 << 1;
    QTest::newRow("caret moved back: marks cut to the caret") << "abcd" << "xbxd" << 2 << "a " << false << 1 << 2;
    QTest::newRow("two keys before one release: each mark over its byte") << "abcd" << "xb" << 2 << "a " << false << 1 << 1;
    QTest::newRow("a leading blank typed as x: marked as a missed blank, not as a right key")
        << " bc" << "x" << 1 << "\x7F" << false << 0 << 1;
    QTest::newRow("case counts") << "Abcd" << "abc" << 3 << "A  " << false << 2 << 1;
    QTest::newRow("caret behind the last byte finishes") << "abc" << "abc" << 3 << "   " << true << 3 << 0;
}

void TestEnglishPractice::checkLine() {
    QFETCH(QString, reference);
    QFETCH(QString, input);
    QFETCH(int, caret);
    QFETCH(QString, marks);
    QFETCH(bool, finished);
    QFETCH(int, right);
    QFETCH(int, wrong);
    ExerciseScore s;
    EnglishPractice p(s);
    const auto c = p.checkLine(reference.toStdString(), input.toStdString(), caret);
    QCOMPARE(QString::fromStdString(c.marks), marks);
    QCOMPARE(c.finished, finished);
    QCOMPARE(s.rightCount + s.wrongCount, finished ? right + wrong : 0);
    p.finalCount();
    QCOMPARE(s.rightCount, right);
    QCOMPARE(s.wrongCount, wrong);
}

void TestEnglishPractice::lineOf66WithTwoErrors() {
    ExerciseScore s;
    s.rightCount = 5;  // counts of earlier lines stay
    EnglishPractice p(s);
    const ByteText ref = line66();
    ByteText typed = ref;
    typed[10] = '#';
    typed[65] = '#';
    auto c = p.checkLine(ref, typed.substr(0, 65), 65);
    QVERIFY(!c.finished);
    QCOMPARE(s.rightCount, 5);
    c = p.checkLine(ref, typed, 66);
    QVERIFY(c.finished);
    QCOMPARE(s.rightCount, 5 + 64);
    QCOMPARE(s.wrongCount, 2);
}

void TestEnglishPractice::sixtySeventhByteCountsWrong() {
    ExerciseScore s;
    EnglishPractice p(s);
    const ByteText ref = line66();
    ByteText typed = ref;
    typed.push_back('z');
    const auto c = p.checkLine(ref, typed, 67);
    QVERIFY(c.finished);
    QCOMPARE(s.rightCount, 66);
    QCOMPARE(s.wrongCount, 1);
}

void TestEnglishPractice::emptyReferenceFinishesAtOnce() {
    ExerciseScore s;
    EnglishPractice p(s);
    RandomSource r;
    p.start(ByteText(), r);
    QCOMPARE(p.keyUp(0, "ab", 2), KeyUp::LineFinished);
    QCOMPARE(s.wrongCount, 2);
    QCOMPARE(p.keyUp(1, "", 0), KeyUp::LineFinished);
    QCOMPARE(p.keyUp(2, "", 0), KeyUp::PageFilled);
    QCOMPARE(p.activeLine(), 0);
    QCOMPARE(QString::fromStdString(p.reference(0)), QString());
    QCOMPARE(s.rightCount, 0);
}

void TestEnglishPractice::finishingLineThreeFillsANewPage() {
    ExerciseScore s;
    EnglishPractice p(s);
    RandomSource r;
    const ByteText text = varied(1000);
    p.start(text, r);
    const ByteText firstPage = pageText(p);
    for (int k = 0; k < 2; ++k) {
        ByteText typed = p.reference(k);
        typed[0] = '#';
        QCOMPARE(p.keyUp(k, typed, 66), KeyUp::LineFinished);
    }
    QCOMPARE(p.keyUp(2, "y", 1), KeyUp::Checked);
    QVERIFY(!p.marks(2).empty());
    QCOMPARE(p.keyUp(2, p.reference(2), 66), KeyUp::PageFilled);
    QCOMPARE(p.activeLine(), 0);
    for (int k = 0; k < 3; ++k) QVERIFY(p.marks(k).empty());
    QVERIFY(runOf(text, firstPage + pageText(p)));  // the text goes on
    QCOMPARE(s.rightCount, 65 + 65 + 66);
    QCOMPARE(s.wrongCount, 2);
}

void TestEnglishPractice::finishedLinesIgnoreKeys() {
    ExerciseScore s;
    EnglishPractice p(s);
    RandomSource r;
    p.start(digits(1000), r);
    const ByteText first = p.reference(0);
    QCOMPARE(p.keyUp(0, first, 66), KeyUp::LineFinished);
    // A release in the finished line with its caret at the end would finish it again.
    QCOMPARE(p.keyUp(0, first, 66), KeyUp::Ignored);
    QCOMPARE(p.keyUp(2, "abc", 3), KeyUp::Ignored);
    QCOMPARE(s.rightCount, 66);
    QCOMPARE(s.wrongCount, 0);
}

void TestEnglishPractice::snapshotNotCountedTwice_data() {
    QTest::addColumn<QString>("afterwards");
    QTest::addColumn<int>("right");
    QTest::newRow("line finished, then the end") << "finish" << 66;
    QTest::newRow("five typed, next page, then the end") << "nextPage" << 0;
    QTest::newRow("line 3 finished (new page), then the end") << "page" << 198;
}

void TestEnglishPractice::snapshotNotCountedTwice() {
    QFETCH(QString, afterwards);
    QFETCH(int, right);
    ExerciseScore s;
    EnglishPractice p(s);
    RandomSource r;
    p.start(digits(1000), r);
    if (afterwards == QLatin1String("finish")) {
        p.keyUp(0, p.reference(0), 66);
    } else if (afterwards == QLatin1String("nextPage")) {
        p.keyUp(0, p.reference(0).substr(0, 5), 5);
        p.fillPage();
    } else {
        for (int k = 0; k < 3; ++k) p.keyUp(k, p.reference(k), 66);
    }
    p.finalCount();
    QCOMPARE(s.rightCount, right);
    QCOMPARE(s.wrongCount, 0);
}

void TestEnglishPractice::clock_data() {
    QTest::addColumn<int>("limit");
    QTest::addColumn<qint64>("start");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("timeUp");
    QTest::newRow("limit 5, one second short") << 5 << at(12, 0, 0) << at(12, 4, 59) << "0:04:59" << false;
    QTest::newRow("limit 5 at 0:05:00") << 5 << at(12, 0, 0) << at(12, 5, 0) << "0:05:00" << true;
    QTest::newRow("limit 60 goes on at 0:59:59") << 60 << at(12, 0, 0) << at(12, 59, 59) << "0:59:59" << false;
    QTest::newRow("limit 60 ends an hour later: the hours count") << 60 << at(12, 0, 0) << at(13, 0, 0) << "1:00:00" << true;
    QTest::newRow("limit 5 ends at a tick an hour late, showing 0:05:00") << 5 << at(12, 0, 0) << at(13, 5, 0) << "0:05:00" << true;
}

void TestEnglishPractice::clock() {
    QFETCH(int, limit);
    QFETCH(qint64, start);
    QFETCH(qint64, now);
    QFETCH(QString, text);
    QFETCH(bool, timeUp);
    ExerciseScore s;
    Settings cfg;
    cfg.practiceMinutes = limit;
    s.startMs = start;
    const auto t = english::tick(s, cfg, now);
    QCOMPARE(QString::fromStdString(t.clockText), text);
    QCOMPARE(t.timeUp, timeUp);
}


void TestEnglishPractice::adaptiveDrillFollowsTheSlowKey_data() {
    QTest::addColumn<QString>("slowKey");
    QTest::addColumn<int>("slowMs");     // the learner's time for it until the learner improves
    QTest::addColumn<int>("missEvery");  // and one stroke of it in so many wrong (0: none)
    QTest::addColumn<int>("speed");      // the targets
    QTest::addColumn<int>("accuracy");

    QTest::newRow("slow on n: n in focus and in every word until 175 a minute, then s enters")
        << "n" << 600 << 0 << 175 << 95;
    QTest::newRow("slow on e, the commonest key") << "e" << 500 << 0 << 175 << 95;
    QTest::newRow("quick on o but one stroke in four wrong: o in focus until 95% right") << "o" << 150 << 4 << 175 << 95;
    QTest::newRow("a higher target holds t longer") << "t" << 330 << 0 << 250 << 90;
}

// A simulated learner types the lines the drill makes, through the page's own
// checking: every key at 150 ms, one key slower (or missed) for the first 40 lines.
void TestEnglishPractice::adaptiveDrillFollowsTheSlowKey() {
    QFETCH(QString, slowKey);
    QFETCH(int, slowMs);
    QFETCH(int, missEvery);
    QFETCH(int, speed);
    QFETCH(int, accuracy);
    const char slow = slowKey.at(0).toLatin1();
    const char entering = adaptive::kEnglishOrder[adaptive::kEnglishStarting];

    adaptive::EnglishDrill drill;
    adaptive::addProgramWords(drill.pool(), JAXO_BUILD_APPDIR);
    QVERIFY2(drill.pool().size() > 5000, "the program's word lists are read");
    drill.targets() = {speed, accuracy};
    RandomSource random;
    ExerciseScore s;
    EnglishPractice p(s);
    p.setLineSource([&] { return drill.nextLine(english::kLineBytes, random); });
    p.start({}, random);

    std::int64_t now = 0;
    int lines = 0, slowStrokes = 0, focusedPages = 0;
    bool unlocked = false;
    while (!unlocked && lines < 300) {
        const int line = p.activeLine();
        const ByteText reference = p.reference(line);
        ByteText typed;
        drill.lineStarted();
        for (char c : reference) {
            const bool improved = lines >= 40;
            const bool isSlow = c == slow;
            now += isSlow && !improved ? slowMs : 150;
            char key = c;
            if (isSlow && !improved && missEvery && ++slowStrokes % missEvery == 0) key = '#';
            drill.stroke(c, key, now);
            typed += key;
        }
        ++lines;
        if (p.keyUp(line, typed, static_cast<int>(typed.size())) != KeyUp::PageFilled) continue;

        // A new page: what the learner sees of the drill now.
        const adaptive::Model& m = drill.model();
        const bool slowReached = m.progress(m.stats(m.indexOf(slowKey.toStdString())), drill.targets()) >= 1.0;
        const ByteText page = pageText(p);
        if (m.inPlay() > adaptive::kEnglishStarting) {
            // The next key enters only once the slow one is at the targets, and takes the focus.
            QVERIFY(slowReached);
            QCOMPARE(drill.focus(), entering);
            for (int k = 0; k < english::kPageLines; ++k) QVERIFY(everyWordHolds(p.reference(k), entering));
            unlocked = true;
        } else if (!slowReached && lines > 6) {
            QCOMPARE(drill.focus(), slow);
            for (int k = 0; k < english::kPageLines; ++k)
                QVERIFY2(everyWordHolds(p.reference(k), slow), p.reference(k).c_str());
            ++focusedPages;
        }
        // Only the keys in play are asked for, and only real words.
        const std::string allowed = drill.inPlay() + ' ';
        QVERIFY2(page.find_first_not_of(allowed) == ByteText::npos, page.c_str());
    }
    QVERIFY2(focusedPages >= 5, "the slow key held the focus while it was slow");
    QVERIFY2(unlocked, "the next key entered once the slow key reached the targets");
}

void TestEnglishPractice::adaptiveFiguresSurviveTheirFile_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("inPlay");
    QTest::addColumn<int>("speedOfE");  // characters a minute, as the page shows them

    QTest::newRow("a saved model reads back") << "in-play 8\nitem e 2400 500 12 20\n" << 8 << 250;
    QTest::newRow("more keys in play than there are: all of them") << "in-play 99\n" << 26 << 0;
    QTest::newRow("fewer than the starting keys: the starting keys") << "in-play 2\n" << 6 << 0;
    QTest::newRow("a line cut short is left out") << "in-play 7\nitem e 2400 500\n" << 7 << 0;
    QTest::newRow("an unknown key and a negative time are left out")
        << "item ~ 2400 0 12 20\nitem e -5 0 12 20\n" << 6 << 0;
    QTest::newRow("more timed strokes than strokes is no model of ours") << "item e 2400 0 30 20\n" << 6 << 0;
    QTest::newRow("not text at all") << QStringLiteral("\x01\x02 \xff") << 6 << 0;
}

void TestEnglishPractice::adaptiveFiguresSurviveTheirFile() {
    QFETCH(QString, file);
    QFETCH(int, inPlay);
    QFETCH(int, speedOfE);
    adaptive::Model m = adaptive::englishModel();
    m.load(file.toStdString());
    QCOMPARE(m.inPlay(), inPlay);
    QCOMPARE(qRound(m.stats(m.indexOf("e")).charsPerMinute()), speedOfE);
    // And what is saved reads back the same.
    adaptive::Model again = adaptive::englishModel();
    again.load(m.save());
    QCOMPARE(again.save(), m.save());
}

QTEST_GUILESS_MAIN(TestEnglishPractice)
#include "tst_englishpractice.moc"
