// The history's CSV export, the all-or-nothing file write, the weak-character lesson
// and the lookups behind the weak spots.
#include "chinese/chinesepage.h"
#include "common/atomicwrite.h"
#include "common/randomsource.h"
#include "history/historycsv.h"
#include "history/daily.h"
#include "history/review.h"
#include "history/weakspots.h"
#include "radicals/radicaldrill.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QtTest>
#include <csignal>
#include <sys/resource.h>

namespace {
history::Session session(const QString& title, int typed, int right, const QString& rating = QStringLiteral("良好")) {
    history::Session s;
    s.id = 7;
    s.startedAt = QDateTime(QDate(2026, 12, 7), QTime(9, 30), QTimeZone(8 * 3600));
    s.kind = QStringLiteral("chinese");
    s.title = title;
    s.typed = typed;
    s.right = right;
    s.wrong = typed - right;
    s.seconds = 125;
    s.perMinute = 42;
    s.rating = rating;
    return s;
}

QList<history::MissTally> tallies(const QStringList& expected) {
    QList<history::MissTally> out;
    int n = 100;
    for (const QString& e : expected) out.append({QStringLiteral("char"), e, n--});
    return out;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}
}  // namespace

class TestHistoryLogic : public QObject {
    Q_OBJECT
private slots:
    void csvField_data() {
        QTest::addColumn<QString>("in");
        QTest::addColumn<QString>("out");
        QTest::newRow("plain text stands as it is") << "高频字练习" << "高频字练习";
        QTest::newRow("empty stays empty") << "" << "";
        QTest::newRow("a comma is quoted") << "a,b" << "\"a,b\"";
        QTest::newRow("a quote is doubled inside quotes") << "say \"hi\"" << "\"say \"\"hi\"\"\"";
        QTest::newRow("a line feed is quoted") << "one\ntwo" << "\"one\ntwo\"";
        QTest::newRow("a carriage return is quoted") << "one\rtwo" << "\"one\rtwo\"";
        QTest::newRow("spaces alone need no quotes") << " a b " << " a b ";
    }
    void csvField() {
        QFETCH(QString, in);
        QFETCH(QString, out);
        QCOMPARE(history::csvField(in), out);
    }

    void sessionsFile() {
        const QByteArray csv =
            history::sessionsCsv({session(QStringLiteral("课,\"一\"\n二"), 200, 190), session(QStringLiteral("=1+1"), 0, 0)});
        QVERIFY2(csv.startsWith("\xEF\xBB\xBF"), "a byte-order mark opens the file");
        const QString text = QString::fromUtf8(csv.mid(3));
        const QStringList lines = text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);  // header, two sessions, the empty piece after the last line end
        QVERIFY(lines[0].startsWith(QStringLiteral("id,started_at,kind,kind_name,title,typed,right,wrong,seconds,per_minute,accuracy_percent,rating")));
        QCOMPARE(lines[1],
                 QStringLiteral("7,2026-12-07T09:30:00+08:00,chinese,中文练习,\"课,\"\"一\"\"\n二\",200,190,10,125,42,95.0,良好,"));
        QVERIFY2(lines[2].contains(QStringLiteral(",'=1+1,")), "a formula-like title is neutralised");
        QVERIFY2(lines[2].contains(QStringLiteral(",0,0,0,125,42,,")), "nothing typed: no accuracy");
        QVERIFY(lines[3].isEmpty());
        history::Session words = session(QStringLiteral("新版小学英语"), 10, 8);
        words.kind = QStringLiteral("vocabulary");
        QVERIFY2(QString::fromUtf8(history::sessionsCsv({words})).contains(QStringLiteral(",10,8,2,125,,80.0,")),
                 "a word drill has no speed to export");
    }

    void missesFile() {
        history::Session s = session(QStringLiteral("英文"), 10, 8);
        s.kind = QStringLiteral("english");
        s.misses = {{QStringLiteral("key"), QStringLiteral(","), QStringLiteral("\""), 2},
                    {QStringLiteral("key"), QStringLiteral("-"), QString(), 1}};
        const QString text = QString::fromUtf8(history::missesCsv({s}).mid(3));
        QCOMPARE(text, QStringLiteral("session_id,started_at,kind,unit,expected,typed,count,learner\r\n"
                                      "7,2026-12-07T09:30:00+08:00,english,key,\",\",\"\"\"\",2,\r\n"
                                      "7,2026-12-07T09:30:00+08:00,english,key,'-,,1,\r\n"));
    }

    void writeWholeOrNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.csv"));
        QString message;
        QVERIFY(atomicwrite::write(path, "first", &message));
        QVERIFY(atomicwrite::write(path, "second\r\n", &message));
        QCOMPARE(readAll(path), QByteArray("second\r\n"));

        // A write that fails half-way (the disk limit reached): the old file stays whole,
        // the message names it.
        struct rlimit before;
        getrlimit(RLIMIT_FSIZE, &before);
        auto* oldHandler = signal(SIGXFSZ, SIG_IGN);
        struct rlimit tight = before;
        tight.rlim_cur = 4;
        setrlimit(RLIMIT_FSIZE, &tight);
        const bool written = atomicwrite::write(path, "a longer third text", &message);
        setrlimit(RLIMIT_FSIZE, &before);
        signal(SIGXFSZ, oldHandler);
        QVERIFY(!written);
        QCOMPARE(readAll(path), QByteArray("second\r\n"));
        QVERIFY2(message.contains(path), qPrintable(message));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("out.csv")});

        const QString missing = dir.filePath(QStringLiteral("no/such/folder/x.csv"));
        QVERIFY(!atomicwrite::write(missing, "x", &message));
        QVERIFY(message.contains(missing));
        QVERIFY(!QFile::exists(missing));
    }

    // The day's practice: streaks, the goal's progress, the goal file.
    void dailyGoal_data() {
        QTest::addColumn<QList<int>>("practised");  // days before today with a session (0 is today)
        QTest::addColumn<QByteArray>("file");       // the goal file; empty: none
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("complains");
        QTest::newRow("no file: twenty minutes; the run goes on to today")
            << QList<int>{0, 1, 2, 4} << QByteArray() << "今日目标 3/20 分钟，连续 3 天" << false;
        QTest::newRow("today not yet practised keeps yesterday's run")
            << QList<int>{1, 2} << QByteArray() << "今日目标 0/20 分钟，连续 2 天" << false;
        QTest::newRow("a characters goal reached") << QList<int>{0} << QByteArray("characters 150\n")
                                                   << "今日目标 300/150 字，已完成，连续 1 天" << false;
        QTest::newRow("a file not understood: the default, the file left as it is")
            << QList<int>{} << QByteArray("minutes lots\n") << "今日目标 0/20 分钟" << true;
        QTest::newRow("a goal beyond reason is not taken") << QList<int>{} << QByteArray("minutes 100000\n")
                                                           << "今日目标 0/20 分钟" << true;
    }
    void dailyGoal() {
        QFETCH(QList<int>, practised);
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        QFETCH(bool, complains);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("jaxo/dailygoal"));
        if (!file.isEmpty()) QVERIFY(atomicwrite::makeFolder(dir.filePath(QStringLiteral("jaxo"))) && atomicwrite::write(path, file));
        const QDate today(2026, 12, 7);
        QList<history::Session> sessions;
        for (int d : practised) {
            history::Session s = session(QStringLiteral("课"), 300, 290);
            s.startedAt = QDateTime(today.addDays(-d), QTime(20, 0));
            s.seconds = 200;
            sessions << s;
        }
        QString problem;
        const history::Goal goal = history::readGoal(path, &problem);
        const QMap<QDate, history::DayTotal> days = history::dayTotals(sessions);
        QCOMPARE(history::goalText(goal, days.value(today), history::streak(days, today)), shown);
        QCOMPARE(!problem.isEmpty(), complains);
        if (!file.isEmpty()) QCOMPARE(readAll(path), file);
        // Written and read back whole.
        const history::Goal other{history::Goal::Characters, 800};
        QVERIFY(history::writeGoal(path, other, &problem));
        QCOMPARE(history::readGoal(path, &problem), other);
    }

    // A review judges its items by what was typed, only once every item came up.
    void reviewResults_data() {
        QTest::addColumn<bool>("reachedAll");
        QTest::addColumn<QString>("results");
        QTest::newRow("missed fails, the rest pass") << true << "国- 中+ 的+";
        QTest::newRow("left before every item came up: none judged") << false << "";
    }
    void reviewResults() {
        QFETCH(bool, reachedAll);
        QFETCH(QString, results);
        const QList<history::Miss> misses{{QStringLiteral("char"), QStringLiteral("国"), QStringLiteral("固"), 1},
                                          {QStringLiteral("key"), QStringLiteral("中"), QStringLiteral("x"), 1}};
        QStringList got;
        for (const history::ReviewResult& r : history::reviewResults(
                 QStringLiteral("char"), {QStringLiteral("国"), QStringLiteral("中"), QStringLiteral("的")}, reachedAll, misses))
            got << r.item + (r.passed ? QLatin1Char('+') : QLatin1Char('-'));
        QCOMPARE(got.join(QLatin1Char(' ')), results);
        // Any stretch of the key review as long as its cycle holds every key.
        const QStringList keys{QStringLiteral("q"), QStringLiteral(";"), QStringLiteral("z")};
        const QByteArray lesson = history::keyReviewLesson(keys);
        for (int from = 0; from < 9; ++from)
            for (const QString& k : keys) QVERIFY(lesson.mid(from, history::keyCycle(keys)).contains(k.toLatin1()));
    }

    void weakCharacters_data() {
        QTest::addColumn<QStringList>("missed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("most-missed order is kept") << QStringList{"经", "轻", "的"} << "经轻的";
        QTest::newRow("words and letters are left out") << QStringList{"中国", "a", "国"} << "国";
        QTest::newRow("four-byte characters are left out") << QStringList{"𠀀", "字"} << "字";
        QTest::newRow("a full-width comma is a page character") << QStringList{"，"} << "，";
        QTest::newRow("nothing missed, nothing kept") << QStringList{} << "";
    }
    void weakCharacters() {
        QFETCH(QStringList, missed);
        QFETCH(QString, kept);
        QString got;
        for (const ByteText& c : history::weakCharacters(tallies(missed))) got += bytes::toUnicode(c);
        QCOMPARE(got, kept);
    }

    void weakLessonFillsPages_data() {
        QTest::addColumn<QStringList>("missed");
        QTest::newRow("one character fills every place") << QStringList{"经"};
        QTest::newRow("three characters cycle") << QStringList{"经", "轻", "的"};
        QTest::newRow("twenty characters") << QStringList{"一", "二", "三", "四", "五", "六", "七", "八", "九", "十",
                                                           "甲", "乙", "丙", "丁", "戊", "己", "庚", "辛", "壬", "癸"};
    }
    void weakLessonFillsPages() {
        QFETCH(QStringList, missed);
        const ByteText lesson = history::weakCharLesson(history::weakCharacters(tallies(missed)));
        QCOMPARE(int(lesson.size()), history::kWeakLessonPages * chinese::kLineCount * chinese::kLineBytes);

        // Page after page, as the Chinese panel fills them from the start.
        chinese::Page page;
        page.lessonSize = bytes::length(lesson);
        page.lessonPos = 0;
        QString expected;
        for (int i = 0; i < 33 * chinese::kLineCount; ++i) expected += missed[i % missed.size()];
        for (int p = 0; p < history::kWeakLessonPages + 1; ++p) {
            chinese::fillPage(page, lesson);
            QString shown;
            for (const ByteText& line : page.text) {
                QCOMPARE(int(line.size()), chinese::kLineBytes);
                shown += bytes::toUnicode(line);
            }
            // Every page starts with the most-missed character and shows the cycle whole.
            QCOMPARE(shown, expected);
        }
    }

    void emptyLessonForNoMisses() { QVERIFY(history::weakCharLesson({}).empty()); }

    void codesAndKeys() {
        radicals::Table table;
        radicals::buildRadicalTable(table);
        CodeBook book;
        // Character, five bytes, the code field; 经 also inside an earlier word.
        book.loadText(bytes::gb("经济     xcyj \r\n经     xcag \r\n的     rqyy \r\n"));
        // The first occurrence counts, as in the hint bar: inside 经济 it reads further on.
        QCOMPARE(history::charCode(book, bytes::gb("的")), ByteText("rqyy"));
        QCOMPARE(history::charCode(book, bytes::gb("经")), ByteText("xcy"));
        QCOMPARE(history::charCode(book, bytes::gb("我")), ByteText());
        QCOMPARE(bytes::toUnicode(history::codeKeys("rqyy", table)), QStringLiteral("r白 q金 y言 y言"));
        QCOMPARE(bytes::toUnicode(history::codeKeys("XCAG", table)), QStringLiteral("x纟 c又 a工 g王"));
        QCOMPARE(history::radicalKey(bytes::gb("钅"), table), 'q');
        QCOMPARE(history::radicalKey(bytes::gb("我"), table), '\0');
    }

    void weakRadicalDrillDrawsOnlyThem() {
        ExerciseScore s;
        QList<history::MissTally> missed = {{QStringLiteral("radical"), QStringLiteral("钅"), 5},
                                            {QStringLiteral("radical"), QStringLiteral("我"), 4},
                                            {QStringLiteral("radical"), QStringLiteral("丬"), 3}};
        const std::vector<int> entries = history::weakRadicalEntries(missed, radicals::table());
        QCOMPARE(int(entries.size()), 2);  // 我 is no radical of the table
        RandomSource random;
        const Settings settings;
        radicals::RadicalDrill drill(s, settings, random);
        drill.begin(0.5, entries, bytes::gb("薄弱字根练习"));
        QCOMPARE(bytes::toUnicode(s.lessonTitle), QStringLiteral("薄弱字根练习"));
        for (int row = 0; row < 4; ++row) {
            const QString shown = bytes::toUnicode(drill.row());
            QCOMPARE(shown.size(), radicals::kRowRadicals);
            for (QChar c : shown) QVERIFY2(c == QChar(u'钅') || c == QChar(u'丬'), qPrintable(shown));
            drill.nextRow();
        }
        // The plain drill afterwards draws from the whole table again.
        drill.begin(0.5);
        QCOMPARE(bytes::toUnicode(s.lessonTitle), QStringLiteral("字根练习"));
        QSet<QChar> seen;
        for (int row = 0; row < 4; ++row, drill.nextRow())
            for (QChar c : bytes::toUnicode(drill.row())) seen.insert(c);
        QVERIFY(seen.size() > 2);
    }
};

QTEST_GUILESS_MAIN(TestHistoryLogic)
#include "test_history_logic.moc"
