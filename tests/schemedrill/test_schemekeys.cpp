// The key drills of the input schemes against the Debian tables they were written from
// (rime-data-*, under /usr/share/rime-data): a few symbols of each scheme, and every
// key a drill asks for is on its chart.
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
    }
    void everyKeyIsOnTheChart() {
        QFETCH(QString, scheme);
        const auto s = schemedrill::schemeKeys(scheme);
        QVERIFY(s);
        QVERIFY(!s->items.empty());
        QVERIFY(!s->name.isEmpty());
        QVERIFY(!s->chartName.isEmpty());
        QCOMPARE(schemedrill::drillScheme(*schemedrill::drillExercise(scheme)), scheme);
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
                    QVERIFY2(key->main.contains(i.symbol) || key->extra.contains(i.symbol) || key->main.isEmpty(),
                             qPrintable(i.symbol));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestSchemeKeys)
#include "test_schemekeys.moc"
