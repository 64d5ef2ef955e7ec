// The hint bar, the code book index against the plain scan, and the code books and
// drill lessons the build makes from the Wubi table.
#include "chinese/codebook.h"
#include "chinese/codehints.h"
#include "chinese/schemebooks.h"
#include "chinese/schemehints.h"
#include "common/errors.h"
#include "common/linestore.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace chinese;

namespace {

ByteText gb(const QString& s) { return bytes::fromUnicode(s); }

QString appFile(const char* name) { return QStringLiteral(JAXO_BUILD_APPDIR "/") + QLatin1String(name); }

ByteText readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
}

// A book built from UTF-8 entries, each followed by CR LF.
void loadBook(CodeBook& book, const QStringList& entries) {
    ByteText t;
    for (const QString& e : entries) t += gb(e) + "\r\n";
    book.loadText(t);
}

QString caption(const HintBar& bar, int j) { return bytes::toUnicode(bar.caption[j - 1]); }

}  // namespace

class TestCodeHints : public QObject {
    Q_OBJECT

    CodeBook b1_, b2_, b3_, b4_;
    CodeBooks books() const { return {&b1_, &b2_, &b3_, &b4_}; }

private slots:
    // A single character found inside a longer entry: the 5 bytes after it run into the
    // entry's line break, which a one-line label cannot show.
    void displayCaption_data() {
        QTest::addColumn<QByteArray>("caption");
        QTest::addColumn<QByteArray>("shown");
        const QByteArray mian = QByteArray::fromStdString(bytes::gb("面"));
        const QByteArray pa = QByteArray::fromStdString(bytes::gb("怕"));
        const QByteArray sheng = QByteArray::fromStdString(bytes::gb("生"));
        QTest::newRow("whole code") << mian + "   dmjd " << mian + "   dmjd ";
        QTest::newRow("into CR LF") << mian + "   fw \r\n" << mian + "   fw ";
        QTest::newRow("past the break") << pa + "   \n" + sheng << pa + "   ";
        QTest::newRow("half a character at the end") << pa + "   a" + sheng.left(1) << pa + "   a";
        QTest::newRow("lead byte before a break") << pa + "   " + sheng.left(1) + "\r\n" << pa + "   ";
        const QByteArray four = QByteArray::fromStdString(bytes::gb("\u3400"));
        QTest::newRow("a four-byte character is shown") << pa + "   " + four << pa + "   " + four;
        QTest::newRow("a damaged four-byte character hiding a break ends it")
            << pa + "   k" + QByteArray("\xFA\x38\r\n", 4) << pa + "   k";
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }
    void displayCaption() {
        QFETCH(QByteArray, caption);
        QFETCH(QByteArray, shown);
        QCOMPARE(QByteArray::fromStdString(chinese::displayCaption(caption.toStdString())), shown);
    }

    void init() {
        loadBook(b1_, {QStringLiteral("人w    wwww "), QStringLiteral("中k    khk  "), QStringLiteral("国l    lgyi ")});
        loadBook(b2_, {QStringLiteral("中国khlg "), QStringLiteral("人民wwna ")});
        loadBook(b3_, {QStringLiteral("人民币wnt  ")});
        loadBook(b4_, {QStringLiteral("中国人民klwn ")});
    }

    void longestWordWins() {
        HintBar bar;
        showCodeHints(books(), gb(QStringLiteral("中国人民万岁")), 1, bar);
        QCOMPARE(caption(bar, 1), QStringLiteral("中   khk  "));
        QCOMPARE(caption(bar, 2), QStringLiteral("中国   khlg "));
        QCOMPARE(caption(bar, 3), QString());  // book 3 has no 中国人
        QCOMPARE(caption(bar, 4), QStringLiteral("中国人民   klwn "));
        QVERIFY(bar.visible[0]);
        QVERIFY(!bar.visible[1]);
        QVERIFY(!bar.visible[2]);
        QVERIFY(bar.visible[3]);
    }

    void rows_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("captions");  // wbLabel1 .. wbLabel4
        QTest::addColumn<int>("shownSecond");       // the one second-row label shown, 0 = none changed
        QTest::newRow("a character missing from book 1 leaves the first row empty")
            << QStringLiteral("丂中") << 1 << QStringList{QString(), QString(), QString(), QString()} << 0;
        QTest::newRow("the column picks the characters after the caret")
            << QStringLiteral("丂人民币") << 3
            << QStringList{QStringLiteral("人   wwww "), QStringLiteral("人民   wwna "), QStringLiteral("人民币   wnt  "), QString()}
            << 3;
        QTest::newRow("one character left is looked up in every book, with the bytes that follow it there")
            << QStringLiteral("丂中") << 3
            << QStringList{QStringLiteral("中   khk  "), QStringLiteral("中   khlg "), QString(), QStringLiteral("中   klwn ")}
            << 4;
        QTest::newRow("past the end of the line nothing is found")
            << QStringLiteral("中国") << 5 << QStringList{QString(), QString(), QString(), QString()} << 0;
    }
    void rows() {
        QFETCH(QString, line);
        QFETCH(int, column);
        QFETCH(QStringList, captions);
        QFETCH(int, shownSecond);
        HintBar bar;
        showCodeHints(books(), gb(line), column, bar);
        for (int j = 1; j <= 4; ++j) QCOMPARE(caption(bar, j), captions[j - 1]);
        for (int j = 2; j <= 4; ++j) QCOMPARE(bar.visible[j - 1], shownSecond == 0 || shownSecond == j);
        QVERIFY(bar.visible[0]);  // the first row is never hidden
    }

    void aMissLeavesTheSecondRowAsItWas() {
        HintBar bar;
        showCodeHints(books(), gb(QStringLiteral("中国人民")), 1, bar);
        showCodeHints(books(), gb(QStringLiteral("丂丂")), 1, bar);
        QVERIFY(bar.visible[3]);
        QCOMPARE(caption(bar, 4), QString());
    }

    void matchInsideAnotherEntry() {
        // 国人 first occurs inside the entry of 中国人: the bytes after that occurrence
        // are shown, not its own code.
        CodeBook book2;
        loadBook(book2, {QStringLiteral("中国人khlw "), QStringLiteral("国人lwww ")});
        HintBar bar;
        showCodeHints({&b1_, &book2, &b3_, &b4_}, gb(QStringLiteral("国人")), 1, bar);
        QCOMPARE(caption(bar, 2), QStringLiteral("国人   khlw "));
    }

    void boundariesAreRespected() {
        // The second byte of one character and the first of the next never match.
        CodeBook book;
        const ByteText zhong = gb(QStringLiteral("中")), guo = gb(QStringLiteral("国"));
        book.loadText(zhong + guo + "x");
        const ByteText straddle = zhong.substr(1) + guo.substr(0, 1);
        QCOMPARE(book.find(straddle), -1);
        QCOMPARE(book.find(guo), 2);
        QCOMPARE(book.find("x"), 4);
        QCOMPARE(book.find(""), -1);
        QCOMPARE(CodeBook().find("a"), -1);
    }

    // The index must answer exactly as the scan of the whole book does.
    void indexAgreesWithScan_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("book 1") << QStringLiteral("jaxo.sy1");
        QTest::newRow("book 2") << QStringLiteral("jaxo2.sy2");
        QTest::newRow("book 3") << QStringLiteral("jaxo3.sy3");
        QTest::newRow("book 4") << QStringLiteral("jaxo4.sy4");
    }
    void indexAgreesWithScan() {
        QFETCH(QString, file);
        CodeBook book;
        book.loadFile((QStringLiteral(JAXO_BUILD_APPDIR "/") + file).toStdString());
        const ByteText& t = book.text();
        QVERIFY(t.size() > 10000);
        std::mt19937 rng(7);
        // Stretches from anywhere (boundary or not) of the book and of an article.
        const ByteText article = readFile(appFile("clesson.txt"));
        QVERIFY(!article.empty());
        int checked = 0;
        for (int i = 0; i < 3000; ++i) {
            const ByteText& src = (i % 3 == 0) ? article : t;
            const size_t len = 1 + rng() % 8;
            const size_t at = rng() % (src.size() - len);
            const ByteText needle = src.substr(at, len);
            QCOMPARE(book.find(needle), book.findByScan(needle));
            ++checked;
        }
        for (const char* n : {"a", " ", "\r", "\r\n", "ab", "  ", "\xD6", "\xFF"}) QCOMPARE(book.find(n), book.findByScan(n));
        QCOMPARE(checked, 3000);
    }

    // Texts whose boundaries are easy to get wrong: every stretch of them, searched
    // through the index, is found where the scan finds it.
    void indexAgreesWithScanOnOddTexts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("a trail byte in the ASCII range is no boundary") << QByteArray("\xB0" "A" "A\xB0" "AB");
        QTest::newRow("a four-byte character hides its digits") << QByteArray("\x81\x30\x81\x30" "0\x81\x30" "0");
        QTest::newRow("a lone lead byte at the end is a character of its own") << QByteArray("ab\xD6\xD0\xD6");
        QTest::newRow("a lead byte before a line break takes the break") << QByteArray("\xD6\r\nx\r\n\xD6\xD0");
        QTest::newRow("0xFF stands alone") << QByteArray("\xFF\xD6\xD0\xFF" "A");
        QTest::newRow("the same pair again and again") << QByteArray("\xD6\xD0\xD6\xD0\xD6\xD0\xD6\xD1");
        QTest::newRow("a four-byte form cut off at the end") << QByteArray("\xD6\xD0\x81\x30\x81");
    }
    void indexAgreesWithScanOnOddTexts() {
        QFETCH(QByteArray, text);
        CodeBook book;
        book.loadText(text.toStdString());
        const ByteText& t = book.text();
        for (size_t at = 0; at < t.size(); ++at)
            for (size_t len = 1; at + len <= t.size() && len <= 5; ++len) {
                const ByteText needle = t.substr(at, len);
                QCOMPARE(book.find(needle), book.findByScan(needle));
            }
        QCOMPARE(book.find(t + "x"), -1);
    }

    // A book is opened when the window starts (a missing one is reported then) and read
    // at its first search; a file gone in between leaves the book empty, not the
    // program stopped.
    void bookFiles_data() {
        QTest::addColumn<QString>("life");
        QTest::addColumn<int>("found");  // where 国 is found, -1 for nowhere; -2: loading fails
        QTest::newRow("read at the first search") << QStringLiteral("kept") << 14;
        QTest::newRow("removed after opening: empty") << QStringLiteral("removed") << -1;
        QTest::newRow("missing when opened: reported") << QStringLiteral("missing") << -2;
    }
    void bookFiles() {
        QFETCH(QString, life);
        QFETCH(int, found);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("jaxo.sy1"));
        if (life != QLatin1String("missing")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray::fromStdString(gb(QStringLiteral("中k    khk  \r\n国l    lgyi \r\n"))));
        }
        CodeBook book;
        try {
            book.loadFile(path.toStdString());
        } catch (const JaxoError& e) {
            QCOMPARE(found, -2);
            QCOMPARE(e.text(), QStringLiteral("Cannot open file %1").arg(path));
            return;
        }
        QVERIFY(found != -2);
        if (life == QLatin1String("removed")) QVERIFY(QFile::remove(path));
        QCOMPARE(book.find(gb(QStringLiteral("国"))), found);
        QCOMPARE(book.find(gb(QStringLiteral("国"))), book.findByScan(gb(QStringLiteral("国"))));
    }

    // Any line break of a loaded book becomes CR LF, as in the line stores.
    void booksKeepLineBreaksAsCrLf_data() {
        QTest::addColumn<QByteArray>("in");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("CR LF stays") << QByteArray("a\r\nb\r\n") << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF becomes CR LF") << QByteArray("a\nb") << QByteArray("a\r\nb");
        QTest::newRow("CR becomes CR LF") << QByteArray("a\rb\r") << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF CR is two breaks") << QByteArray("a\n\rb") << QByteArray("a\r\n\r\nb");
    }
    void booksKeepLineBreaksAsCrLf() {
        QFETCH(QByteArray, in);
        QFETCH(QByteArray, text);
        CodeBook book;
        book.loadText(in.toStdString());
        QCOMPARE(QByteArray::fromStdString(book.text()), text);
        LineStore store;
        store.loadText(in.toStdString());
        QCOMPARE(QByteArray::fromStdString(store.text()), text);
    }

    // The books from the Wubi table: an item's code stands at the Part's distance from
    // its first occurrence, as the table has it.
    void realBooksGiveTheTablesCodes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("book");
        QTest::addColumn<QString>("item");
        QTest::newRow("中 in book 1") << QStringLiteral("jaxo.sy1") << 1 << QStringLiteral("中");
        QTest::newRow("中国 in book 2") << QStringLiteral("jaxo2.sy2") << 2 << QStringLiteral("中国");
        QTest::newRow("中国人民 in book 4") << QStringLiteral("jaxo4.sy4") << 4 << QStringLiteral("中国人民");
    }
    void realBooksGiveTheTablesCodes() {
        QFETCH(QString, file);
        QFETCH(int, book);
        QFETCH(QString, item);
        // The longest code of the item in Debian's table.
        QFile table(QStringLiteral("/usr/share/rime-data/wubi86.dict.yaml"));
        if (!table.open(QIODevice::ReadOnly)) {
            // Set-up installs it: under CI its absence is a fault of set-up, not a reason to pass.
            if (qEnvironmentVariableIsSet("CI")) QFAIL("Debian's Wubi table (rime-data-wubi) is not installed");
            QSKIP("Debian's Wubi table (rime-data-wubi) is not installed");
        }
        QString code;
        while (!table.atEnd()) {
            const QStringList cols = QString::fromUtf8(table.readLine()).trimmed().split(QLatin1Char('\t'));
            if (cols.size() >= 2 && cols[0] == item && cols[1].size() > code.size()) code = cols[1];
        }
        QVERIFY(!code.isEmpty());
        CodeBook b;
        b.loadFile(appFile(file.toLatin1().constData()).toStdString());
        const int pos = b.find(gb(item));
        QVERIFY(pos >= 0);
        QCOMPARE(QString::fromStdString(bytes::copy(b.text(), pos + kCodeDistance[book - 1], 5)),
                 code.leftJustified(5, QLatin1Char(' ')));
    }

    // Whole books load: the exact counts move with the packaged word lists, so
    // each book is held to the range its list has always been in.
    void realBookSizes_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("atLeast");
        QTest::addColumn<int>("atMost");
        QTest::newRow("book 1: characters") << QStringLiteral("jaxo.sy1") << 15000 << 30000;
        QTest::newRow("book 2: words, the largest") << QStringLiteral("jaxo2.sy2") << 35000 << 70000;
        QTest::newRow("book 3: the smallest") << QStringLiteral("jaxo3.sy3") << 3000 << 7000;
        QTest::newRow("book 4") << QStringLiteral("jaxo4.sy4") << 5000 << 12000;
    }
    void realBookSizes() {
        QFETCH(QString, file);
        QFETCH(int, atLeast);
        QFETCH(int, atMost);
        LineStore store;
        store.loadFile(appFile(file.toLatin1().constData()).toStdString());
        QVERIFY2(store.count() >= atLeast && store.count() <= atMost,
                 qPrintable(QStringLiteral("%1 entries").arg(store.count())));
    }

    // The drill lessons: two-byte GB2312 characters only, no line breaks, and the
    // items each file promises.
    void drillLessons_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("charsPerItem");
        QTest::addColumn<int>("atLeast");
        QTest::addColumn<int>("atMost");
        QTest::addColumn<int>("shortCodeLength");  // in book 1; 0 = not checked
        QTest::newRow("gpz: 1500 most frequent characters") << QStringLiteral("gpz.jxo") << 1 << 1500 << 1500 << 0;
        QTest::newRow("ejjm: the two-level short codes") << QStringLiteral("ejjm.jxo") << 1 << 300 << 625 << 2;
        QTest::newRow("sjjm: three-letter short codes") << QStringLiteral("sjjm.jxo") << 1 << 1500 << 100000 << 3;
        QTest::newRow("ezcz: two-character words") << QStringLiteral("ezcz.jxo") << 2 << 2000 << 100000 << 0;
        QTest::newRow("shzcz: three-character words") << QStringLiteral("shzcz.jxo") << 3 << 1000 << 100000 << 0;
        QTest::newRow("szcz: four-character words") << QStringLiteral("szcz.jxo") << 4 << 1000 << 100000 << 0;
    }
    void drillLessons() {
        QFETCH(QString, file);
        QFETCH(int, charsPerItem);
        QFETCH(int, atLeast);
        QFETCH(int, atMost);
        QFETCH(int, shortCodeLength);
        const ByteText t = readFile(appFile(file.toLatin1().constData()));
        const int itemBytes = 2 * charsPerItem;
        QCOMPARE(static_cast<int>(t.size()) % itemBytes, 0);
        const int items = static_cast<int>(t.size()) / itemBytes;
        QVERIFY2(items >= atLeast && items <= atMost, qPrintable(QString::number(items)));
        for (size_t i = 0; i < t.size(); ++i)
            QVERIFY(static_cast<unsigned char>(t[i]) >= 0xA1 && static_cast<unsigned char>(t[i]) <= 0xFE);
        CodeBook book;
        const char* bookFile[5] = {"", "jaxo.sy1", "jaxo2.sy2", "jaxo3.sy3", "jaxo4.sy4"};
        book.loadFile(appFile(bookFile[charsPerItem]).toStdString());
        for (int i = 0; i < items; ++i) {
            const ByteText item = t.substr(static_cast<size_t>(i * itemBytes), static_cast<size_t>(itemBytes));
            const int pos = book.find(item);
            QVERIFY(pos >= 0);
            if (shortCodeLength) {
                // Book 1 holds the shortest code in the 5 bytes after the character.
                const QString shortCode = QString::fromStdString(bytes::copy(book.text(), pos + 3, 5)).trimmed();
                QCOMPARE(shortCode.size(), shortCodeLength);
            }
        }
    }

    void writtenTexts_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("atLeastChars");
        QTest::newRow("articles") << QStringLiteral("clesson.txt") << 8000;
        QTest::newRow("the test") << QStringLiteral("ctest.txt") << 3000;
        QTest::newRow("articles in traditional characters for cangjie") << QStringLiteral("scheme/cangjie5/clesson.txt") << 8000;
        QTest::newRow("the test in traditional characters for zhuyin") << QStringLiteral("scheme/zhuyin/ctest.txt") << 3000;
        QTest::newRow("pinyin's articles") << QStringLiteral("scheme/pinyin/clesson.txt") << 8000;
    }
    // Each scheme's hint for a line that starts with the item, from the books the build
    // made; the code stands in Debian's table as the row says.
    void schemeHints_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("tableRow");  // a line of the table, up to its weight
        QTest::addColumn<QString>("caption");
        const auto S = [](const char* t) { return QString::fromUtf8(t); };
        const QString pinyin = S("pinyin_simp"), cangjie = S("cangjie5");
        QTest::newRow("全拼: 的 is de") << S("pinyin") << S("的人") << 1 << pinyin << S("的\tde") << S("的   de");
        QTest::newRow("全拼: a word shows its syllables") << S("pinyin") << S("中国") << 2 << pinyin << S("中国\tzhong guo") << S("中国   zhong'guo");
        QTest::newRow("双拼（小鹤）: two keys a syllable, the pinyin beside")
            << S("shuangpin-xiaohe") << S("中国") << 2 << pinyin << S("中国\tzhong guo") << S("中国   vsgo (zhong'guo)");
        QTest::newRow("双拼（自然码）: 是 on u and i") << S("shuangpin-ziranma") << S("是的") << 1 << pinyin << S("是\tshi") << S("是   ui (shi)");
        QTest::newRow("双拼（自然码）: a second candidate of its keys says so") << S("shuangpin-ziranma") << S("量") << 1 << pinyin << S("量\tliang") << S("量   ld (liang) 选第2个");
        QTest::newRow("仓颉: 的 in capitals with its radicals") << S("cangjie5") << S("的") << 1 << cangjie << S("的\thapi") << S("的   HAPI 竹日心戈");
        QTest::newRow("仓颉: a word shows the codes of its characters")
            << S("cangjie5") << S("我們") << 2 << cangjie << S("們\toan") << S("我們   HQI OAN");
        QTest::newRow("速成: the first and last keys of the cangjie code")
            << S("quick5") << S("的") << 1 << cangjie << S("的\thapi") << S("的   HI 竹戈");
        QTest::newRow("速成: the second candidate of its keys says so")
            << S("quick5") << S("我") << 1 << cangjie << S("我\thqi") << S("我   HI 竹戈 选第2个");
        QTest::newRow("注音: 的 with the light tone") << S("zhuyin") << S("的") << 1 << S("terra_pinyin") << S("的\tde5")
                                                   << S("的   ㄉㄜ˙");
        QTest::newRow("注音: a word, syllable by syllable with tones")
            << S("zhuyin") << S("我們") << 2 << S("terra_pinyin") << S("們\tmen5") << S("我們   ㄨㄛˇ ㄇㄣ˙");
    }
    void schemeHints() {
        QFETCH(QString, scheme);
        QFETCH(QString, line);
        QFETCH(int, row);
        QFETCH(QString, table);
        QFETCH(QString, tableRow);
        QFETCH(QString, caption);
        QFile t(QStringLiteral("/usr/share/rime-data/%1.dict.yaml").arg(table));
        if (!t.open(QIODevice::ReadOnly)) {
            if (qEnvironmentVariableIsSet("CI")) QFAIL("the Debian table is not installed (scripts/setup.sh --tests)");
            QSKIP("the Debian table is not installed");
        }
        const QString& want = tableRow;
        bool inTable = false;
        while (!inTable && !t.atEnd()) {
            const QString l = QString::fromUtf8(t.readLine()).trimmed();
            inTable = l == want || l.startsWith(want + QLatin1Char('\t'));
        }
        QVERIFY2(inTable, qPrintable(want));
        const QByteArray id = scheme.toLatin1();
        const scheme::Scheme* s = scheme::find(std::string_view(id.constData(), static_cast<size_t>(id.size())));
        QVERIFY(s);
        SchemeBooks books;
        books.choose(*s, JAXO_BUILD_APPDIR);
        HintBar bar;
        showHintsFor(s, {&books.book(1), &books.book(2), &books.book(3), &books.book(4)}, gb(line), 1, bar);
        QCOMPARE(bytes::toUnicode(chinese::displayCaption(bar.caption[static_cast<size_t>(row - 1)])), caption);
        if (row > 1) QVERIFY(bar.visible[static_cast<size_t>(row - 1)]);
    }

    // Every scheme's drill lessons: whole two-byte characters, the items each file
    // promises, and a hint for every item in the scheme's book of its length.
    void schemeLessons_data() {
        QTest::addColumn<QString>("scheme");
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("charsPerItem");
        QTest::addColumn<int>("atLeast");
        for (const scheme::Scheme& s : scheme::schemes()) {
            if (s.style == scheme::CodeStyle::Wubi) continue;
            const QString id = QString::fromLatin1(s.id.data());
            QTest::addRow("%s characters", s.id.data()) << id << QStringLiteral("gpz.jxo") << 1 << 1000;
            QTest::addRow("%s two-character words", s.id.data()) << id << QStringLiteral("ezcz.jxo") << 2 << 1000;
            QTest::addRow("%s four-character words", s.id.data()) << id << QStringLiteral("szcz.jxo") << 4 << 500;
        }
    }
    void schemeLessons() {
        QFETCH(QString, scheme);
        QFETCH(QString, file);
        QFETCH(int, charsPerItem);
        QFETCH(int, atLeast);
        const ByteText t = readFile(QStringLiteral(JAXO_BUILD_APPDIR "/scheme/%1/%2").arg(scheme, file));
        const size_t itemBytes = static_cast<size_t>(2 * charsPerItem);
        QCOMPARE(t.size() % itemBytes, size_t(0));
        QVERIFY2(t.size() / itemBytes >= static_cast<size_t>(atLeast), qPrintable(QString::number(t.size() / itemBytes)));
        const QByteArray id = scheme.toLatin1();
        SchemeBooks books;
        books.choose(*scheme::find(id.toStdString()), JAXO_BUILD_APPDIR);
        for (size_t i = 0; i < t.size(); i += itemBytes) {
            for (size_t c = i; c < i + itemBytes; c += 2) QCOMPARE(bytes::charLength(t, c), 2);
            const int at = books.book(charsPerItem).find(t.substr(i, itemBytes));
            QVERIFY2(at >= 0, qPrintable(bytes::toUnicode(t.substr(i, itemBytes))));
        }
    }

    void writtenTexts() {
        QFETCH(QString, file);
        QFETCH(int, atLeastChars);
        const ByteText t = readFile(appFile(file.toLatin1().constData()));
        QVERIFY(static_cast<int>(t.size()) >= 2 * atLeastChars);
        QCOMPARE(t.size() % 2, size_t(0));
        for (size_t i = 0; i < t.size(); i += 2) {
            QVERIFY2(static_cast<unsigned char>(t[i]) >= 0x81, "an ASCII byte or a line break in the text");
            QCOMPARE(bytes::charLength(t, i), 2);
        }
    }
};

QTEST_GUILESS_MAIN(TestCodeHints)
#include "test_code_hints.moc"
