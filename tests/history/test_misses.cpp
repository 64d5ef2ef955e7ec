// What the checking code notes as missed while it counts, and the row a report becomes.
#include "chinese/chinesecheck.h"
#include "english/englishpractice.h"
#include "history/kinds.h"
#include "history/reportsession.h"

#include <QtTest>

namespace {

QStringList shown(const QList<history::Miss>& misses) {
    QStringList out;
    for (const history::Miss& m : misses) out << QStringLiteral("%1 %2>%3 %4").arg(m.unit, m.expected, m.typed).arg(m.count);
    return out;
}

}  // namespace

class TestMisses : public QObject {
    Q_OBJECT
private slots:
    void counting_data() {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QStringList>("misses");  // "unit expected>typed count"
        QTest::newRow("Chinese: one character typed as another")
            << "chinese" << "中文" << "中国" << 1 << 1 << QStringList{"char 国>文 1"};
        QTest::newRow("Chinese: the same miss twice counts twice")
            << "chinese" << "文文国" << "国国国" << 1 << 2 << QStringList{"char 国>文 2"};
        QTest::newRow("Chinese: nothing wrong, nothing noted") << "chinese" << "中国" << "中国" << 2 << 0 << QStringList{};
        QTest::newRow("English test on the Chinese page: each differing key of a pair")
            << "chinese" << "axcd" << "abcd" << 1 << 1 << QStringList{"key b>x 1"};
        QTest::newRow("English test on the Chinese page: both keys of a pair wrong")
            << "chinese" << "xy" << "ab" << 0 << 1 << QStringList{"key a>x 1", "key b>y 1"};
        QTest::newRow("English: one key per byte") << "english" << "hallo" << "hello" << 4 << 1 << QStringList{"key e>a 1"};
        QTest::newRow("English: a space missed") << "english" << "a-b" << "a b" << 2 << 1 << QStringList{"key  >- 1"};
    }
    void counting() {
        QFETCH(QString, page);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QStringList, misses);
        ExerciseScore s;
        const ByteText t = bytes::fromUnicode(typed), e = bytes::fromUnicode(expected);
        if (page == QLatin1String("chinese"))
            chinese::countUnits(s, t, e);
        else
            english::countBytes(s, t, e);
        QCOMPARE(s.rightCount, right);
        QCOMPARE(s.wrongCount, wrong);
        QCOMPARE(shown(history::sessionFromReport(s, ScoreReport{}, QDateTime::currentDateTime()).misses), misses);
    }

    void kinds_data() {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("kind");
        const auto row = [](const char* name, ExerciseId id, const char* kind) {
            QTest::newRow(name) << static_cast<int>(id) << QString::fromLatin1(kind);
        };
        row("radical drill", ExerciseId::RadicalDrill, "radicals");
        row("a Chinese lesson", ExerciseId::HighFrequency, "chinese");
        row("the Chinese test at random", ExerciseId::ChineseTestAtRandom, "chinese-test");
        row("an English lesson", ExerciseId::EnglishBeginner, "english");
        row("the English test, typed on the Chinese page", ExerciseId::EnglishTestFromStart, "english-test");
        row("a word list", ExerciseId::GreWords, "vocabulary");
        row("the sentences are a word list too", ExerciseId::Sentences, "vocabulary");
        row("the weak-character lesson", ExerciseId::WeakChars, "weak-chars");
        row("the weak-radical drill", ExerciseId::WeakRadicalDrill, "weak-radicals");
        row("the weak-word drill", ExerciseId::WeakWords, "weak-words");
        row("the learner's own Chinese text, apart from the program's", ExerciseId::OwnChinese, "own-chinese");
        row("the learner's own English text", ExerciseId::OwnEnglish, "own-english");
        row("the learner's own word list", ExerciseId::OwnWords, "own-words");
    }
    void kinds() {
        QFETCH(int, exercise);
        QFETCH(QString, kind);
        ExerciseScore s;
        s.kind = &exerciseKind(static_cast<ExerciseId>(exercise));
        s.elapsedText = "0:01:00";
        const ScoreReport r = computeScoreReport(1, 0, true, s.elapsedText);
        QCOMPARE(history::sessionFromReport(s, r, QDateTime::currentDateTime()).kind, kind);
    }

    // The history window can name and filter every kind an exercise is recorded under.
    void everyExerciseHasANamedKind() {
        for (const ExerciseKind& k : exerciseKinds()) {
            const QString kind = QString::fromLatin1(k.historyKind.data(), static_cast<qsizetype>(k.historyKind.size()));
            QVERIFY2(history::kindName(kind) != kind, qPrintable(kind));
        }
    }

    void rowOfReport_data() {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("perMinute");
        QTest::addColumn<QString>("rating");
        QTest::newRow("speed from the rounded minutes, time to the second")
            << int(ExerciseId::HighFrequency) << "0:02:40" << 160 << 40 << "好！";
        QTest::newRow("past the hour") << int(ExerciseId::HighFrequency) << "1:00:10" << 3610 << 1 << "继续努力！";
        QTest::newRow("a word drill shows no speed or rating, and keeps none")
            << int(ExerciseId::PrimaryWords) << "0:01:00" << 60 << 0 << "";
        QTest::newRow("so does the weak-word drill") << int(ExerciseId::WeakWords) << "0:01:00" << 60 << 0 << "";
        QTest::newRow("and the learner's own word list") << int(ExerciseId::OwnWords) << "0:01:00" << 60 << 0 << "";
    }
    void rowOfReport() {
        QFETCH(int, exercise);
        QFETCH(QString, elapsed);
        QFETCH(int, seconds);
        QFETCH(int, perMinute);
        QFETCH(QString, rating);
        ExerciseScore s;
        s.kind = &exerciseKind(static_cast<ExerciseId>(exercise));
        s.lessonTitle = bytes::gb("高频字练习");
        s.elapsedText = bytes::fromUnicode(elapsed);
        s.rightCount = 110;
        s.wrongCount = 10;
        s.misses.add("char", bytes::gb("的"), "");
        const ScoreReport r = computeScoreReport(s.rightCount, s.wrongCount, showsSpeed(s), s.elapsedText);
        const QDateTime opened(QDate(2026, 5, 1), QTime(8, 0, 0));
        const history::Session row = history::sessionFromReport(s, r, opened);
        QCOMPARE(row.typed, 120);
        QCOMPARE(row.right, 110);
        QCOMPARE(row.wrong, 10);
        QCOMPARE(row.seconds, seconds);
        QCOMPARE(row.perMinute, perMinute);
        QCOMPARE(row.rating, rating);
        QCOMPARE(row.title, QStringLiteral("高频字练习"));
        QCOMPARE(row.startedAt, opened.addSecs(-seconds));
        QCOMPARE(shown(row.misses), QStringList{"char 的> 1"});
    }
};

QTEST_APPLESS_MAIN(TestMisses)
#include "test_misses.moc"
