// The built-in radical table and the key chart drawn from it.
#include "radicals/keychart.h"
#include "radicals/radicaltable.h"

#include <QtTest>

namespace {

radicals::Table builtTable() {
    radicals::Table t;
    t.fill("stale");  // the build must leave 148 and 149 empty whatever was there
    radicals::buildRadicalTable(t);
    return t;
}

QString u(const ByteText& t) { return bytes::toUnicode(t); }
QByteArray b(const ByteText& t) { return QByteArray::fromStdString(t); }

}  // namespace

class TestRadicalTable : public QObject {
    Q_OBJECT
private slots:
    void entries_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::newRow("0: first of q, the full verse")
            << 0 << QStringLiteral("q金q 金勺缺点无尾鱼，犬旁留叉儿一点夕，氏无七（妻）。");
        QTest::newRow("6: first of w, verse without a full stop") << 6 << QStringLiteral("w人w 人和八，三四里");
        QTest::newRow("10: e keeps its ASCII parentheses") << 10 << QStringLiteral("e月e 月彡(衫)乃用家衣底。");
        QTest::newRow("27: t has a blank before the stop") << 27 << QStringLiteral("t彳t 禾竹一撇双人立 。");
        QTest::newRow("82: g's verse begins with a blank")
            << 82 << QStringLiteral("g王g  王旁青头戋（兼）五一 。");
        QTest::newRow("91: last of h") << 91 << QStringLiteral("h止h 目具上止卜虎皮");
        QTest::newRow("113: first 厶") << 113 << QStringLiteral("c厶c 又巴马，丢矢矣。");
        QTest::newRow("116: second 厶") << 116 << QStringLiteral("c厶c 又巴马，丢矢矣。");
        QTest::newRow("141: last of n, FE5E") << 141 << QStringLiteral("n⺗n 已半巳满不出己，左框折尸心和羽。");
        QTest::newRow("147: the last entry") << 147 << QStringLiteral("m几m 山由贝，下框几。");
        QTest::newRow("148 stays empty") << 148 << QString();
        QTest::newRow("149 stays empty") << 149 << QString();
    }
    void entries() {
        QFETCH(int, index);
        QFETCH(QString, entry);
        const radicals::Table t = builtTable();
        QCOMPARE(u(t[static_cast<size_t>(index)]), entry);
        QCOMPARE(b(t[static_cast<size_t>(index)]), b(bytes::fromUnicode(entry)));
    }

    void entry82HasTwoBlanks() {
        const radicals::Table t = builtTable();
        QCOMPARE(b(bytes::left(t[82], 5)), b(bytes::gb("g王g ")));
        QCOMPARE(t[82][5], ' ');
    }

    void hintOfEntry6() {
        const radicals::Table t = builtTable();
        QCOMPARE(u(radicals::hintOf(t[6])), QStringLiteral("w 人和八，三四里"));
        QCOMPARE(u(radicals::hintOf(t[147])), QStringLiteral("m 山由贝，下框几。"));
    }

    void scan_data() {
        QTest::addColumn<QByteArray>("radical");
        QTest::addColumn<int>("index");
        QTest::newRow("厶 stands twice: the first wins") << b(bytes::gb("厶")) << 113;
        QTest::newRow("几 is the last entry") << b(bytes::gb("几")) << 147;
        QTest::newRow("金 is the first entry") << b(bytes::gb("金")) << 0;
        QTest::newRow("FE51 under d") << QByteArray("\xFE\x51") << 74;
        QTest::newRow("empty text") << QByteArray() << -1;
        QTest::newRow("a character that is no radical") << b(bytes::gb("中")) << -1;
        QTest::newRow("a key letter is no radical") << QByteArray("q") << -1;
        QTest::newRow("the arrow of the mark line") << b(bytes::gb("↑")) << -1;
    }
    void scan() {
        QFETCH(QByteArray, radical);
        QFETCH(int, index);
        QCOMPARE(radicals::scan(builtTable(), radical.toStdString()), index);
    }

    // Each key's radicals in entry order, as taught; the entries follow one another
    // key by key in keyboard order.
    void keys_data() {
        QTest::addColumn<char>("key");
        QTest::addColumn<int>("first");
        QTest::addColumn<QString>("radicalsInOrder");
        const struct {
            char key;
            int first;
            const char* radicals;
        } rows[] = {
            {'q', 0, "金钅儿勹乂夕"},      {'w', 6, "人亻八癶"},           {'e', 10, "月乑用彡爫乃"},
            {'r', 16, "白手龵扌⺁斤"},     {'t', 22, "禾竹丿攵夂彳"},      {'y', 28, "言讠文方丶亠广"},
            {'u', 35, "立六辛冫丬丷疒门"}, {'i', 43, "水氺龸氵⺌小"},      {'o', 49, "火灬米"},
            {'p', 52, "之辶廴宀"},         {'a', 56, "工匚廾艹廿龷七弋戈"}, {'s', 65, "木丁西"},
            {'d', 68, "大犬古石三厂𠂇"},   {'f', 75, "土士干二十雨寸"},    {'g', 82, "王龶一五戋"},
            {'h', 87, "目丨卜上止"},       {'j', 92, "日曰早刂虫"},        {'k', 97, "口川"},
            {'l', 99, "田甲囗四罒皿车力"}, {'x', 107, "纟幺弓匕"},          {'c', 111, "又マ厶巴马厶"},
            {'v', 117, "女刀九巛彐臼"},    {'b', 123, "子孑了巜也耳阝卩"}, {'n', 131, "⺋凵已巳己乙尸心忄羽⺗"},
            {'m', 142, "山由贝冂冎几"},
        };
        for (const auto& r : rows)
            QTest::newRow(QByteArray(1, r.key).constData()) << r.key << r.first << QString::fromUtf8(r.radicals);
    }
    void keys() {
        QFETCH(char, key);
        QFETCH(int, first);
        QFETCH(QString, radicalsInOrder);
        const radicals::Table t = builtTable();
        const QList<uint> expected = radicalsInOrder.toUcs4();
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const ByteText& e = t[static_cast<size_t>(first + i)];
            QCOMPARE(radicals::keyOf(e), key);
            QCOMPARE(e[3], key);
            QCOMPARE(e[4], ' ');
            QCOMPARE(u(radicals::radicalOf(e)), QString::fromUcs4(reinterpret_cast<const char32_t*>(&expected[i]), 1));
        }
        // The next entry belongs to the next key.
        const size_t after = static_cast<size_t>(first + expected.size());
        if (after < 148) QVERIFY(radicals::keyOf(t[after]) != key);
    }

    // Every radical is two bytes that survive the way to the screen and back, so the
    // row, the marks and the scans agree on them.
    void everyRadicalRoundTrips() {
        const radicals::Table t = builtTable();
        for (int i = 0; i < radicals::kEntries; ++i) {
            const ByteText r = radicals::radicalOf(t[static_cast<size_t>(i)]);
            QCOMPARE(int(r.size()), 2);
            const QString shown = bytes::toUnicode(r);
            const QList<uint> cps = shown.toUcs4();
            QVERIFY2(cps.size() == 1, qPrintable(QStringLiteral("entry %1").arg(i)));
            QVERIFY2(cps[0] != 0xFFFD, qPrintable(QStringLiteral("entry %1 unreadable").arg(i)));
            QVERIFY2(cps[0] < 0xE000 || cps[0] > 0xF8FF, qPrintable(QStringLiteral("entry %1 in the private use area").arg(i)));
            QCOMPARE(b(bytes::fromUnicode(shown)), b(r));
        }
    }

    void theFe50Range_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<uint>("unicode");
        QTest::newRow("⺁ r") << 20 << QByteArray("\xFE\x50") << 0x2E81u;
        QTest::newRow("𠂇 d") << 74 << QByteArray("\xFE\x51") << 0x20087u;
        QTest::newRow("⺋ n") << 131 << QByteArray("\xFE\x58") << 0x2E8Bu;
        QTest::newRow("⺌ i") << 47 << QByteArray("\xFE\x5D") << 0x2E8Cu;
        QTest::newRow("⺗ n") << 141 << QByteArray("\xFE\x5E") << 0x2E97u;
        QTest::newRow("龵 r") << 18 << QByteArray("\xFE\x61") << 0x9FB5u;
        QTest::newRow("龶 g") << 83 << QByteArray("\xFE\x66") << 0x9FB6u;
        QTest::newRow("龷 a") << 61 << QByteArray("\xFE\x67") << 0x9FB7u;
        QTest::newRow("龸 i") << 45 << QByteArray("\xFE\x6D") << 0x9FB8u;
        QTest::newRow("マ c, katakana of GB2312") << 112 << QByteArray("\xA5\xDE") << 0x30DEu;
    }
    void theFe50Range() {
        QFETCH(int, index);
        QFETCH(QByteArray, bytes);
        QFETCH(uint, unicode);
        const radicals::Table t = builtTable();
        const ByteText r = radicals::radicalOf(t[static_cast<size_t>(index)]);
        QCOMPARE(b(r), bytes);
        QCOMPARE(bytes::toUnicode(r).toUcs4(), QList<uint>{unicode});
    }

    void chartRows_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QList<int>>("numbers");
        QTest::newRow("top row") << 0 << QStringLiteral("QWERTYUIOP")
                                 << QList<int>{35, 34, 33, 32, 31, 41, 42, 43, 44, 45};
        QTest::newRow("home row") << 1 << QStringLiteral("ASDFGHJKL") << QList<int>{15, 14, 13, 12, 11, 21, 22, 23, 24};
        QTest::newRow("bottom row, Z without a number") << 2 << QStringLiteral("ZXCVBNM")
                                                        << QList<int>{0, 55, 54, 53, 52, 51, 25};
    }
    void chartRows() {
        QFETCH(int, row);
        QFETCH(QString, letters);
        QFETCH(QList<int>, numbers);
        const auto chart = radicals::keyChart(builtTable());
        const radicals::ChartRow& keys = chart[static_cast<size_t>(row)];
        QString gotLetters;
        QList<int> gotNumbers;
        for (const auto& k : keys) {
            gotLetters += QLatin1Char(k.letter);
            gotNumbers << k.number;
        }
        QCOMPARE(gotLetters, letters);
        QCOMPARE(gotNumbers, numbers);
    }

    void chartKeys_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("radicals");
        QTest::newRow("Q in table order") << 0 << 0 << QStringLiteral("金钅儿勹乂夕");
        QTest::newRow("A, nine radicals with FE67") << 1 << 0 << QStringLiteral("工匚廾艹廿龷七弋戈");
        QTest::newRow("Z has none") << 2 << 0 << QString();
        QTest::newRow("C shows 厶 once") << 2 << 2 << QStringLiteral("又マ厶巴马");
        QTest::newRow("N, eleven radicals") << 2 << 5 << QStringLiteral("⺋凵已巳己乙尸心忄羽⺗");
        QTest::newRow("M last") << 2 << 6 << QStringLiteral("山由贝冂冎几");
    }
    void chartKeys() {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, radicals);
        const auto chart = radicals::keyChart(builtTable());
        QString got;
        for (const ByteText& r : chart[static_cast<size_t>(row)][static_cast<size_t>(column)].radicals) got += u(r);
        QCOMPARE(got, radicals);
    }

    // Every distinct radical stands on exactly the key the table gives it.
    void chartHoldsEveryRadicalOnce() {
        const radicals::Table t = builtTable();
        QMap<QByteArray, char> onKey;
        for (const auto& row : radicals::keyChart(t))
            for (const auto& k : row)
                for (const ByteText& r : k.radicals) {
                    QVERIFY2(!onKey.contains(b(r)), qPrintable(u(r)));
                    onKey.insert(b(r), static_cast<char>(k.letter - 'A' + 'a'));
                }
        QCOMPARE(onKey.size(), 147);
        for (int i = 0; i < radicals::kEntries; ++i)
            QCOMPARE(onKey.value(b(radicals::radicalOf(t[static_cast<size_t>(i)]))), radicals::keyOf(t[static_cast<size_t>(i)]));
    }
};

QTEST_GUILESS_MAIN(TestRadicalTable)
#include "test_radicaltable.moc"
