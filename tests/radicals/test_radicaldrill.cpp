// The radical drill's rules: rows, answers, marks, hints, keys held and overlapping,
// the clock and its limit.
#include "common/randomsource.h"
#include "radicals/radicaldrill.h"
#include "radicals/radicaltable.h"

#include <QtTest>

using radicals::RadicalDrill;

namespace {

qint64 at(int h, int m, int s) { return (h * 3600 + m * 60 + s) * qint64{1000}; }
QString u(const ByteText& t) { return bytes::toUnicode(t); }

// Key identities as the panel passes them on.
constexpr RadicalDrill::KeyId kShift = 50;
RadicalDrill::KeyId keyOf(char letter) { return letter; }

// A random source whose next draw picks the given entry.
RandomSource sourceBefore(int entry) {
    RandomSource r;
    for (;;) {
        RandomSource probe = r;
        if (probe.next() % radicals::kEntries == entry) return r;
        r.next();
    }
}

struct Fixture {
    ExerciseScore state;
    Settings settings;
    RandomSource random;
    RadicalDrill drill{state, settings, random};

    explicit Fixture(RandomSource source = {}) : random(source) {
        settings.practiceMinutes = 10;
        drill.begin(at(12, 0, 0));
    }
    // Presses and releases one key that types the text.
    void answer(RadicalDrill::KeyId key, const ByteText& text) {
        drill.keyDown(key, text);
        drill.keyUp(key);
    }
    // The byte column (from 1) of the arrow the user sees on the mark line; the arrow
    // always ends the line, after one mark per answer.
    int arrowColumn() const {
        const ByteText& m = drill.markLine();
        const ByteText arrow = bytes::gb("↑");
        if (m.size() < arrow.size() || m.compare(m.size() - arrow.size(), arrow.size(), arrow) != 0) return -1;
        return static_cast<int>(m.size() - arrow.size()) + 1;
    }
    // The key letter of the radical under the arrow, from the table.
    char rightKey() const {
        const int i = radicals::scan(radicals::table(), bytes::copy(drill.row(), arrowColumn(), 2));
        return radicals::keyOf(radicals::table()[static_cast<size_t>(i)]);
    }
    void answerRight() {
        const char k = rightKey();
        answer(keyOf(k), ByteText(1, k));
    }
    // The arrow stands under one of the row's 25 radicals.
    bool marksInStep() const {
        const int c = arrowColumn();
        return c >= 1 && c <= 49 && c % 2 == 1;
    }
};

}  // namespace

class TestRadicalDrill : public QObject {
    Q_OBJECT
private slots:
    void start() {
        Fixture f(sourceBefore(0));
        QCOMPARE(u(f.drill.markLine()), QStringLiteral("↑"));
        QCOMPARE(u(bytes::left(f.drill.row(), 2)), QStringLiteral("金"));
        QCOMPARE(u(f.drill.hint()), QStringLiteral("q 金勺缺点无尾鱼，犬旁留叉儿一点夕，氏无七（妻）。"));
        QCOMPARE(int(f.drill.row().size()), 50);
        QCOMPARE(f.arrowColumn(), 1);
        QCOMPARE(f.state.rightCount, 0);
        QCOMPARE(f.state.wrongCount, 0);
        QCOMPARE(u(f.state.modeTitle), QStringLiteral("中文练习"));
        QCOMPARE(u(f.state.lessonTitle), QStringLiteral("字根练习"));
        QCOMPARE(f.state.startMs, at(12, 0, 0));
    }

    void startResetsCountsOfAnEarlierDrill() {
        Fixture f;
        f.answer(kShift, {});
        f.answerRight();
        f.drill.finish();
        f.drill.begin(at(13, 0, 0));
        QCOMPARE(f.state.rightCount, 0);
        QCOMPARE(f.state.wrongCount, 0);
        QCOMPARE(f.arrowColumn(), 1);
        QCOMPARE(u(f.drill.markLine()), QStringLiteral("↑"));
    }

    // A fresh source: draws 346, 13854878, ... reduced mod 148 pick these entries.
    void rowsFromAFreshSource() {
        Fixture f;
        QCOMPARE(u(f.drill.row()), QStringLiteral("灬人言丨冎月廿甲己匕夕亻贝大皿彡忄丬廾冂马十八用文"));
        QCOMPARE(u(f.drill.hint()), QStringLiteral("o 火业头，四点米。"));
        for (int i = 0; i < 25; ++i) f.answerRight();
        QCOMPARE(u(f.drill.row()), QStringLiteral("丨七车彐四卩龸立九⺋刂水金乑彳上三言大已卩阝辛丨三"));
        QCOMPARE(u(f.drill.hint()), QStringLiteral("h 目具上止卜虎皮"));
    }

    void answers_data() {
        QTest::addColumn<int>("entry");
        QTest::addColumn<QByteArray>("typed");
        QTest::addColumn<bool>("right");
        QTest::newRow("q for 金") << 0 << QByteArray("q") << true;
        QTest::newRow("w for 金") << 0 << QByteArray("w") << false;
        QTest::newRow("Shift alone types nothing") << 0 << QByteArray() << false;
        QTest::newRow("capital Q") << 0 << QByteArray("Q") << false;
        QTest::newRow("z has no radicals") << 0 << QByteArray("z") << false;
        QTest::newRow("z for 几") << 147 << QByteArray("z") << false;
        QTest::newRow("c for 厶 from its first entry") << 113 << QByteArray("c") << true;
        QTest::newRow("c for 厶 from its second entry") << 116 << QByteArray("c") << true;
        QTest::newRow("m for 几, the last entry") << 147 << QByteArray("m") << true;
        QTest::newRow("n for 几") << 147 << QByteArray("n") << false;
        QTest::newRow("f for 𠂇, which is d") << 74 << QByteArray("f") << false;
        QTest::newRow("d for 𠂇") << 74 << QByteArray("d") << true;
        QTest::newRow("i for 龸 (FE6D)") << 45 << QByteArray("i") << true;
    }
    void answers() {
        QFETCH(int, entry);
        QFETCH(QByteArray, typed);
        QFETCH(bool, right);
        Fixture f(sourceBefore(entry));
        const ByteText first = bytes::left(f.drill.row(), 2);
        f.answer(typed.isEmpty() ? kShift : keyOf(typed[0]), typed.toStdString());
        QCOMPARE(f.state.rightCount, right ? 1 : 0);
        QCOMPARE(f.state.wrongCount, right ? 0 : 1);
        QCOMPARE(u(f.drill.markLine()), (right ? u(first) : QStringLiteral("×")) + QStringLiteral("↑"));
        QCOMPARE(f.arrowColumn(), 3);
        // The hint is now the second radical's.
        const ByteText second = bytes::copy(f.drill.row(), 3, 2);
        const int i = radicals::scan(radicals::table(), second);
        QCOMPARE(u(f.drill.hint()), u(radicals::hintOf(radicals::table()[static_cast<size_t>(i)])));
    }

    void markLineHiddenWhileAKeyIsDown() {
        Fixture f(sourceBefore(0));
        f.drill.keyDown(keyOf('q'), "q");
        QCOMPARE(u(f.drill.markLine()), QString());
        QCOMPARE(u(f.drill.pendingText()), QStringLiteral("q"));
        f.drill.keyUp(keyOf('q'));
        QCOMPARE(u(f.drill.markLine()), QStringLiteral("金↑"));
        QCOMPARE(u(f.drill.pendingText()), QString());
    }

    void theTwentyFifthAnswerDrawsANewRow() {
        Fixture f;
        for (int i = 0; i < 24; ++i) i % 3 ? f.answerRight() : f.answer(kShift, {});
        const ByteText oldRow = f.drill.row();
        QCOMPARE(int(f.drill.markLine().size()), 50);
        QCOMPARE(f.arrowColumn(), 49);
        f.answer(kShift, {});
        QVERIFY(f.drill.row() != oldRow);
        QCOMPARE(int(f.drill.row().size()), 50);
        QCOMPARE(u(f.drill.markLine()), QStringLiteral("↑"));
        QCOMPARE(f.arrowColumn(), 1);
        QCOMPARE(f.state.rightCount, 16);
        QCOMPARE(f.state.wrongCount, 9);
        const int i = radicals::scan(radicals::table(), bytes::left(f.drill.row(), 2));
        QCOMPARE(u(f.drill.hint()), u(radicals::hintOf(radicals::table()[static_cast<size_t>(i)])));
    }

    // A new row asked for in the middle of a row: the arrow is back under its first
    // radical, and the first answer is judged against that radical.
    void aNewRowMidwayStartsUnderItsFirstRadical() {
        Fixture f;
        for (int i = 0; i < 5; ++i) f.answerRight();
        f.drill.nextRow();
        QCOMPARE(u(f.drill.markLine()), QStringLiteral("↑"));
        const int i = radicals::scan(radicals::table(), bytes::left(f.drill.row(), 2));
        const char key = radicals::keyOf(radicals::table()[static_cast<size_t>(i)]);
        f.answer(keyOf(key), ByteText(1, key));
        QCOMPARE(f.state.rightCount, 6);
        QCOMPARE(f.state.wrongCount, 0);
        QCOMPARE(u(f.drill.markLine()), u(bytes::left(f.drill.row(), 2)) + QStringLiteral("↑"));
    }

    // Keys that go down before the last one is released: every release is one answer,
    // judged by what that key typed against the radical under the arrow. After a right
    // answer for 金, "1" and "2" stand for the right keys of the second and third
    // radicals, "S" for Shift; "+k:t" presses k typing t ("=" its own letter), "-k"
    // releases it. The marks are "1" and "2" for those radicals, "×" for a wrong answer.
    void overlappingKeys_data() {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::newRow("Shift held over a letter: two wrong answers, nothing lost")
            << QStringList{"+S:", "+1:Q", "-1", "-S"} << QStringLiteral("××") << 0 << 2;
        QTest::newRow("rolled keys: each judged by its own letter")
            << QStringList{"+1:=", "+2:=", "-1", "-2"} << QStringLiteral("12") << 2 << 0;
        QTest::newRow("released in the other order")
            << QStringList{"+1:=", "+2:=", "-2", "-1"} << QStringLiteral("××") << 0 << 2;
        QTest::newRow("a release whose press was not seen") << QStringList{"-S"} << QStringLiteral("×") << 0 << 1;
        QTest::newRow("a second press without its release is still one key")
            << QStringList{"+1:=", "+1:=", "-1"} << QStringLiteral("1") << 1 << 0;
    }
    void overlappingKeys() {
        QFETCH(QStringList, events);
        QFETCH(QString, marks);
        QFETCH(int, right);
        QFETCH(int, wrong);
        Fixture f(sourceBefore(0));
        f.answer(keyOf('q'), "q");
        const ByteText radical[3] = {{}, bytes::copy(f.drill.row(), 3, 2), bytes::copy(f.drill.row(), 5, 2)};
        char key[3] = {};
        for (int i = 1; i <= 2; ++i)
            key[i] = radicals::keyOf(
                radicals::table()[static_cast<size_t>(radicals::scan(radicals::table(), radical[i]))]);
        QVERIFY2(key[1] != key[2], "the row must put two different keys next");

        for (const QString& e : events) {
            const QChar name = e.at(1);
            const int n = name.digitValue();
            const RadicalDrill::KeyId id = name == QLatin1Char('S') ? kShift : keyOf(key[n]);
            if (e.startsWith(QLatin1Char('+'))) {
                const QString text = e.mid(3);
                f.drill.keyDown(id, text == QLatin1String("=") ? ByteText(1, key[n]) : bytes::fromUnicode(text));
            } else {
                f.drill.keyUp(id);
            }
        }
        QString expected = QStringLiteral("金");
        for (const QChar m : marks) expected += m.isDigit() ? u(radical[m.digitValue()]) : QString(m);
        QCOMPARE(u(f.drill.markLine()), expected + QStringLiteral("↑"));
        QCOMPARE(f.state.rightCount, 1 + right);
        QCOMPARE(f.state.wrongCount, wrong);
        QVERIFY(f.marksInStep());
    }

    // However keys overlap, the arrow never passes the row's end and the mark line
    // keeps one mark per answer: the row is renewed at every 25th answer.
    void marksAndArrowStayInStep() {
        Fixture f;
        int answers = 0;
        for (int round = 0; round < 40; ++round) {
            const char k = f.rightKey();
            switch (round % 4) {
            case 0:  // Shift held over the right letter: two answers
                f.drill.keyDown(kShift, {});
                f.drill.keyDown(keyOf(k), ByteText(1, static_cast<char>(k - 'a' + 'A')));
                f.drill.keyUp(keyOf(k));
                f.drill.keyUp(kShift);
                answers += 2;
                break;
            case 1:  // two keys rolled
                f.drill.keyDown(keyOf(k), ByteText(1, k));
                f.drill.keyDown(keyOf('z'), "z");
                f.drill.keyUp(keyOf(k));
                f.drill.keyUp(keyOf('z'));
                answers += 2;
                break;
            default:
                f.answerRight();
                answers += 1;
            }
            QVERIFY2(f.marksInStep(), qPrintable(QStringLiteral("round %1: arrow at %2, marks %3")
                                                     .arg(round)
                                                     .arg(f.arrowColumn())
                                                     .arg(u(f.drill.markLine()))));
            QCOMPARE(f.arrowColumn(), 2 * (answers % 25) + 1);
        }
        QCOMPARE(f.state.rightCount + f.state.wrongCount, answers);
    }

    void clock_data() {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("ends");
        QTest::newRow("limit 10, one second short") << 10 << 599 << QStringLiteral("0:09:59") << false;
        QTest::newRow("limit 10 at 0:10:00") << 10 << 600 << QStringLiteral("0:10:00") << true;
        QTest::newRow("limit 10 ends within its minute, showing the limit") << 10 << 630 << QStringLiteral("0:10:00") << true;
        QTest::newRow("limit 5 ends at a tick ten minutes late") << 5 << 900 << QStringLiteral("0:05:00") << true;
        QTest::newRow("limit 60 at 1:00:00: the hours count") << 60 << 3600 << QStringLiteral("1:00:00") << true;
        QTest::newRow("limit 60, one second short") << 60 << 3599 << QStringLiteral("0:59:59") << false;
    }
    void clock() {
        QFETCH(int, limit);
        QFETCH(int, seconds);
        QFETCH(QString, shown);
        QFETCH(bool, ends);
        Fixture f;
        f.settings.practiceMinutes = limit;
        QCOMPARE(f.drill.tick(at(12, 0, seconds)), ends);
        QCOMPARE(u(f.drill.clock()), shown);
    }

    // The report reads the clock's text; afterwards no key counts.
    void finishTakesTheClockAndStopsCounting() {
        Fixture f;
        QCOMPARE(u(f.drill.clock()), QStringLiteral("0:00:01"));
        f.drill.tick(at(12, 3, 7));
        f.answerRight();
        f.drill.keyDown(kShift, {});
        f.drill.finish();
        QCOMPARE(u(f.state.elapsedText), QStringLiteral("0:03:07"));
        f.drill.keyUp(kShift);
        f.answer(keyOf('q'), "q");
        QCOMPARE(f.state.rightCount + f.state.wrongCount, 1);
        QVERIFY(!f.drill.running());
    }
};

QTEST_GUILESS_MAIN(TestRadicalDrill)
#include "test_radicaldrill.moc"
