// The key drills of the input schemes against the Debian tables they were written from
// (rime-data-*, under /usr/share/rime-data): a few symbols of each scheme, and every
// key a drill asks for is on its chart; Wubi's radicals and codes in rows their adaptive
// model picks, as a simulated learner meets them.
#include "schemedrill/adaptivekeys.h"
#include "chinese/codebook.h"
#include "common/randomsource.h"
#include "schemedrill/schemekeydrill.h"
#include "schemedrill/schemekeys.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace {

const QString kRime = QStringLiteral("/usr/share/rime-data/");

QString readTable(const QString& name) {
    QFile f(kRime + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll());
}

const schemedrill::KeyItem* item(const schemedrill::SchemeKeys& s, const QString& symbol) {
    for (const auto& i : s.items)
        if (i.symbol == symbol) return &i;
    return nullptr;
}

// The codes the table gives a character ("字<tab>code...").
QStringList codesOf(const QString& table, const QString& character) {
    QStringList codes;
    const QRegularExpression line(QStringLiteral("^%1\\t([a-z]+)").arg(character), QRegularExpression::MultilineOption);
    for (auto it = line.globalMatch(table); it.hasNext();) codes << it.next().captured(1);
    return codes;
}

// The two lines of an "xlit|from|to|" rule whose `from` starts with `start`.
std::pair<QString, QString> xlit(const QString& table, const QString& start) {
    const QRegularExpression rule(QStringLiteral("xlit\\|(%1[^|]*)\\|([^|]*)\\|").arg(QRegularExpression::escape(start)));
    const auto m = rule.match(table);
    return {m.captured(1), m.captured(2)};
}

// Every spelling a double-pinyin schema's algebra makes of a syllable.
QStringList spellings(const QString& schema, const QString& syllable) {
    QStringList out{syllable};
    const QRegularExpression rule(QStringLiteral("^\\s*- (erase|derive|xform|xlit)/([^/]*)/([^/]*)/"), QRegularExpression::MultilineOption);
    for (auto it = rule.globalMatch(schema.section(QStringLiteral("speller:"), 1).section(QStringLiteral("\ntranslator:"), 0, 0)); it.hasNext();) {
        const auto m = it.next();
        const QString op = m.captured(1);
        QStringList next;
        for (const QString& s : out) {
            if (op == QLatin1String("xlit")) {
                QString t = s;
                for (qsizetype i = 0; i < m.captured(2).size(); ++i) t.replace(m.captured(2)[i], m.captured(3)[i]);
                next << t;
                continue;
            }
            const QRegularExpression re(m.captured(2));
            const bool hit = re.match(s).hasMatch();
            if (!hit || op == QLatin1String("derive")) next << s;
            if (hit && op != QLatin1String("erase")) next << QString(s).replace(re, QString(m.captured(3)).replace(QLatin1Char('$'), QLatin1Char('\\')));
        }
        out = next;
    }
    return out;
}

std::optional<schemedrill::SchemeKeys> keysOf(const QString& id) {
    if (id == QLatin1String("wubi-radicals")) return schemedrill::wubiRadicals();
    return schemedrill::schemeKeys(id);
}

schemedrill::SchemeKeys wubiCodes() {
    static CodeBook book;
    book.loadFile(JAXO_BUILD_APPDIR "/jaxo.sy1");
    return schemedrill::wubiCodes(JAXO_BUILD_APPDIR, book);
}

}  // namespace

class TestSchemeKeys : public QObject {
    Q_OBJECT
private slots:
    void keysAgreeWithTheTable_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("evidence");
        const auto row = [](const char* name, const char* scheme, const char* symbol, const char* evidence) {
            QTest::newRow(name) << QString::fromUtf8(scheme) << QString::fromUtf8(symbol) << QString::fromUtf8(evidence);
        };
        // Full pinyin: an initial starts a character's code, a final ends it.
        row("pinyin: zh starts 中", "pinyin", "zh", "中 start");
        row("pinyin: ü is typed with V (绿 lv)", "pinyin", "ü", "绿 end");
        row("pinyin: üe is typed ve (略 lve)", "pinyin", "üe", "略 end");
        row("pinyin: iong ends 熊", "pinyin", "iong", "熊 end");
        row("pinyin: er is a final of its own", "pinyin", "er", "二 end");
        // Double pinyin: the two keys are a spelling the schema's own rules make.
        for (const char* scheme : {"shuangpin-xiaohe", "shuangpin-ziranma"}) {
            for (const char* syllable : {"zhuang", "xiong", "shui", "jun", "lve", "ang", "e", "er", "ou"}) {
                const QByteArray name = QByteArray(scheme) + ": " + syllable;
                QTest::newRow(name.constData()) << QString::fromLatin1(scheme)
                                                << QString::fromLatin1(syllable).replace(QLatin1Char('v'), QStringLiteral("ü"))
                                                << QString::fromLatin1(syllable);
            }
        }
        // Cangjie and Quick: the radical the schema names on the key; an auxiliary shape
        // the table codes alone with that key.
        for (const char* scheme : {"cangjie5", "quick5"}) {
            for (const char* radical : {"日", "竹", "戈", "女", "卜", "田"}) {
                const QByteArray name = QByteArray(scheme) + ": the key of " + radical;
                QTest::newRow(name.constData()) << QString::fromLatin1(scheme) << QString::fromUtf8(radical) << QString();
            }
        }
        row("cangjie5: 曰 is an auxiliary shape of 日", "cangjie5", "日", "曰");
        row("cangjie5: 丿 is an auxiliary shape of 竹", "cangjie5", "竹", "丿");
        row("cangjie5: 丶 is an auxiliary shape of 戈", "cangjie5", "戈", "丶");
        row("cangjie5: 乂 is an auxiliary shape of 大", "cangjie5", "大", "乂");
        row("cangjie5: 丨 is an auxiliary shape of 中", "cangjie5", "中", "丨");
        // Zhuyin: the symbol's letter in the spelling rules, through the standard keymap.
        row("zhuyin: ㄅ", "zhuyin", "ㄅ", "b");
        row("zhuyin: ㄉ", "zhuyin", "ㄉ", "d");
        row("zhuyin: ㄜ", "zhuyin", "ㄜ", "e");
        row("zhuyin: ㄓ", "zhuyin", "ㄓ", "Z");
        row("zhuyin: ㄝ on the comma", "zhuyin", "ㄝ", "E");
        row("zhuyin: ㄡ on the full stop", "zhuyin", "ㄡ", "U");
        row("zhuyin: ㄦ on the minus", "zhuyin", "ㄦ", "R");
        row("zhuyin: ㄩ", "zhuyin", "ㄩ", "v");
        row("zhuyin: the second tone", "zhuyin", "ˊ", "2");
        row("zhuyin: the light tone", "zhuyin", "˙", "5");
    }
    void keysAgreeWithTheTable() {
        QFETCH(QString, scheme);
        QFETCH(QString, symbol);
        QFETCH(QString, evidence);
        const auto s = schemedrill::schemeKeys(scheme);
        QVERIFY(s);
        const schemedrill::KeyItem* it = item(*s, symbol);
        QVERIFY2(it, qPrintable(symbol));
        const QString table = readTable(scheme == QLatin1String("pinyin")              ? QStringLiteral("luna_pinyin.dict.yaml")
                                        : scheme == QLatin1String("shuangpin-xiaohe")  ? QStringLiteral("double_pinyin_flypy.schema.yaml")
                                        : scheme == QLatin1String("shuangpin-ziranma") ? QStringLiteral("double_pinyin.schema.yaml")
                                        : scheme == QLatin1String("zhuyin")            ? QStringLiteral("zhuyin.yaml")
                                        : !evidence.isEmpty()                          ? QStringLiteral("cangjie5.dict.yaml")
                                                                                       : scheme + QStringLiteral(".schema.yaml"));
        if (table.isEmpty()) {
            if (qEnvironmentVariableIsSet("CI")) QFAIL("the rime-data tables are not installed (scripts/setup.sh --tests)");
            QSKIP("the rime-data tables are not installed (scripts/setup.sh --tests installs them)");
        }
        if (scheme == QLatin1String("pinyin")) {
            const QString character = evidence.section(QLatin1Char(' '), 0, 0);
            const bool start = evidence.endsWith(QLatin1String("start"));
            bool found = false;
            for (const QString& code : codesOf(table, character))
                found = found || (start ? code.startsWith(it->keys) : code.endsWith(it->keys));
            QVERIFY2(found, qPrintable(it->keys + QStringLiteral(" / ") + codesOf(table, character).join(QLatin1Char(','))));
        } else if (scheme.startsWith(QLatin1String("shuangpin"))) {
            const QStringList made = spellings(table, evidence);
            QVERIFY2(made.contains(it->keys), qPrintable(it->keys + QStringLiteral(" not in ") + made.join(QLatin1Char(','))));
            QCOMPARE(it->keys.size(), 2);
        } else if (scheme == QLatin1String("zhuyin")) {
            const auto [letters, keys] = xlit(table, QStringLiteral("bpmf"));
            QVERIFY(!letters.isEmpty());
            QCOMPARE(it->keys, QString(keys[letters.indexOf(evidence)]));
        } else if (evidence.isEmpty()) {
            const auto [letters, radicals] = xlit(table, QStringLiteral("abc"));
            QVERIFY(!letters.isEmpty());
            QCOMPARE(QString(radicals[letters.indexOf(it->keys)]), symbol);
        } else {
            QVERIFY2(it->note.contains(evidence), qPrintable(it->note));
            QVERIFY2(codesOf(table, evidence).contains(it->keys), qPrintable(codesOf(table, evidence).join(QLatin1Char(','))));
        }
    }

    // The chart answers every question of the drill: each key typed is on it, and a
    // single-key symbol stands on its key.
    void everyKeyIsOnTheChart_data() {
        QTest::addColumn<QString>("scheme");
        for (const QString& id : schemedrill::drillSchemes()) QTest::newRow(qPrintable(id)) << id;
        QTest::newRow("Wubi's key radicals, each once, on its key") << QStringLiteral("wubi-radicals");
    }
    void everyKeyIsOnTheChart() {
        QFETCH(QString, scheme);
        const auto s = keysOf(scheme);
        QVERIFY(s);
        QVERIFY(!s->items.empty());
        QVERIFY(!s->name.isEmpty());
        QVERIFY(!s->chartName.isEmpty());
        if (const auto exercise = schemedrill::drillExercise(scheme)) QCOMPARE(schemedrill::drillScheme(*exercise), scheme);
        QSet<QString> symbols;
        for (const auto& i : s->items) {
            QVERIFY2(!symbols.contains(i.symbol), qPrintable(i.symbol + QStringLiteral(" twice")));
            symbols.insert(i.symbol);
            for (const QChar k : i.keys) {
                const schemedrill::ChartKey* key = nullptr;
                for (const auto& row : s->chart)
                    for (const auto& c : row)
                        if (QChar::fromLatin1(c.key) == k) key = &c;
                QVERIFY2(key, qPrintable(i.symbol + QStringLiteral(": ") + k));
                if (i.keys.size() == 1 && !scheme.startsWith(QLatin1String("shuangpin")))
                    QVERIFY2(key->main.contains(i.symbol) || key->extra.contains(i.symbol) || key->main.isEmpty() ||
                                 // Wubi's chart groups a key's other radicals
                                 (scheme == QLatin1String("wubi-radicals") && key->extra.join(QString()).contains(i.symbol)),
                             qPrintable(i.symbol));
            }
        }
    }

    // The radicals enter zone by zone from G, the codes commonest first; each code is the
    // full one, and a short code is right only where it is the character's own.
    void wubiItems_data() {
        QTest::addColumn<bool>("codes");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shortKeys");
        QTest::newRow("the first radical is G's own, 王") << false << 0 << QStringLiteral("王") << "g" << "";
        QTest::newRow("F's radicals follow G's") << false << 5 << QStringLiteral("土") << "f" << "";
        QTest::newRow("the commonest character first, its full code, its own short code")
            << true << 0 << QStringLiteral("上") << "hhgg" << "h";
        QTest::newRow("的 next: r alone is its own") << true << 1 << QStringLiteral("的") << "rqyy" << "r";
        QTest::newRow("您: no code shorter than the full one") << true << 4 << QStringLiteral("您") << "wqin" << "";
    }
    void wubiItems() {
        QFETCH(bool, codes);
        QFETCH(int, index);
        QFETCH(QString, symbol);
        QFETCH(QString, keys);
        QFETCH(QString, shortKeys);
        const schemedrill::SchemeKeys s = codes ? wubiCodes() : schemedrill::wubiRadicals();
        QVERIFY(s.items.size() > static_cast<size_t>(index));
        const schemedrill::KeyItem& item = s.items[static_cast<size_t>(index)];
        QCOMPARE(item.symbol, symbol);
        QCOMPARE(item.keys, keys);
        QCOMPARE(item.shortKeys, shortKeys);
        if (codes) {
            QVERIFY2(s.items.size() > 400, "the high-frequency characters and their codes are read");
            for (const auto& i : s.items) QVERIFY2(i.keys.size() >= 1 && i.keys.size() <= 4, qPrintable(i.symbol));
        }
    }

    void adaptiveAnswersTimed_data() {
        QTest::addColumn<QList<int>>("gaps");     // ms before each answer of one row
        QTest::addColumn<QList<bool>>("rights");
        QTest::addColumn<int>("timed");
        QTest::addColumn<int>("perMinute");
        QTest::addColumn<int>("accuracy");
        QTest::newRow("one a second: 60 a minute, the row's first answer not timed")
            << QList<int>{0, 1000, 1000} << QList<bool>{true, true, true} << 2 << 60 << 100;
        QTest::newRow("a pause over 3 s is no time") << QList<int>{0, 4000, 500} << QList<bool>{true, true, true} << 1 << 120
                                                     << 100;
        QTest::newRow("a wrong answer is an error, untimed") << QList<int>{0, 1000, 1000} << QList<bool>{true, false, true}
                                                              << 1 << 60 << 91;
    }
    void adaptiveAnswersTimed() {
        QFETCH(QList<int>, gaps);
        QFETCH(QList<bool>, rights);
        QFETCH(int, timed);
        QFETCH(int, perMinute);
        QFETCH(int, accuracy);
        schemedrill::AdaptiveKeys drill({{QStringLiteral("王"), QStringLiteral("g"), {}}}, 1);
        RandomSource random;
        QCOMPARE(drill.row(3, random), (std::vector<int>{0, 0, 0}));
        std::int64_t now = 0;
        for (qsizetype i = 0; i < gaps.size(); ++i) drill.answered(0, rights[i], now += gaps[i]);
        const adaptive::ItemStats& s = drill.model().stats(0);
        QCOMPARE(s.timed, timed);
        QCOMPARE(qRound(s.charsPerMinute()), perMinute);
        QCOMPARE(s.accuracyPercent(), accuracy);
    }

    void adaptiveRowsFollowTheSlowItem_data() {
        QTest::addColumn<bool>("codes");
        QTest::addColumn<int>("slow");       // which starting item the learner finds hard
        QTest::addColumn<int>("slowMs");     // its time until the learner improves (others 500 ms)
        QTest::addColumn<int>("missEvery");  // and one answer of it in so many wrong (0: none)
        QTest::newRow("a slow radical stays in focus and in every row until it reaches the target, then the next enters")
            << false << 2 << 2500 << 0;
        QTest::newRow("a radical often missed: the same until it is 95% right") << false << 0 << 500 << 3;
        QTest::newRow("a slow code: the same, commonest characters first") << true << 4 << 3000 << 0;
    }
    // A simulated learner answers the rows the drill makes, each answer its keys at once:
    // 500 ms an answer, one item slower (or missed) for its first 30 rows.
    void adaptiveRowsFollowTheSlowItem() {
        QFETCH(bool, codes);
        QFETCH(int, slow);
        QFETCH(int, slowMs);
        QFETCH(int, missEvery);
        const schemedrill::SchemeKeys scheme = codes ? wubiCodes() : schemedrill::wubiRadicals();
        const int starting = codes ? schemedrill::kCodesStarting : schemedrill::kRadicalsStarting;
        schemedrill::AdaptiveKeys adaptive(scheme.items, starting);
        adaptive.targets() = {60, 95};
        ExerciseScore score;
        Settings settings;
        RandomSource random;
        schemedrill::SchemeKeyDrill drill(score, settings, random);
        drill.begin(scheme, 0, &adaptive);
        const QString hard = scheme.items[static_cast<size_t>(slow)].symbol;
        const QString entering = scheme.items[static_cast<size_t>(starting)].symbol;
        const auto inRow = [&](const QString& symbol) {
            for (int i : drill.row())
                if (scheme.items[static_cast<size_t>(i)].symbol == symbol) return true;
            return false;
        };

        std::int64_t now = 0;
        int rows = 0, focusedRows = 0, answers = 0;
        bool entered = false;
        while (!entered && rows < 300) {
            const schemedrill::KeyItem& item = drill.current();
            const bool isHard = item.symbol == hard && rows < 30;
            now += isHard ? slowMs : 500;
            QString keys = item.keys;
            if (isHard && missEvery && ++answers % missEvery == 0) keys.fill(QLatin1Char('z'));
            for (const QChar k : keys) drill.type(k, now);
            if (drill.position() != 0) continue;

            // A new row: what the learner sees of the drill now.
            ++rows;
            now += 5000;  // reading the row is no answer time
            const adaptive::Model& m = adaptive.model();
            const bool hardReached = m.reached(m.stats(slow), adaptive.targets());
            if (m.inPlay() > starting) {
                QVERIFY(hardReached);
                QCOMPARE(QString::fromStdString(adaptive.focus()), entering);
                QCOMPARE(drill.current().symbol, entering);  // it opens the row
                entered = true;
            } else if (!hardReached && rows > 3) {
                QCOMPARE(QString::fromStdString(adaptive.focus()), hard);
                QVERIFY2(inRow(hard), qPrintable(QString::number(rows)));
                ++focusedRows;
            }
            for (int i : drill.row()) QVERIFY(i < m.inPlay());
        }
        QVERIFY2(focusedRows >= 5, "the slow item held the focus while it was slow");
        QVERIFY2(entered, "the next item entered once the slow one reached the targets");
        QCOMPARE(score.rightCount + score.wrongCount, rows * schemedrill::kRowItems);
    }
};

QTEST_GUILESS_MAIN(TestSchemeKeys)
#include "test_schemekeys.moc"
