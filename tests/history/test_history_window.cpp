// The history as the running program writes it: exercises driven through the real main
// window, rows read back from the file in the temporary XDG data folder.
#include "widgets/keylineedit.h"
#include "chinese/chinesepanel.h"
#include "history/historycsv.h"
#include "history/historystore.h"
#include "history/recorder.h"
#include "radicals/radicaltable.h"
#include "support/testform.h"

#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using history::Session;

namespace {

QString labelText(TestForm& t, const char* name) { return t.find<QLabel>(QString::fromLatin1(name))->text(); }

// The radical under the arrow and its key, as the drill shows them.
QString radicalShown(TestForm& t) { return labelText(t, "zgtext2").left(1); }
char keyOfShown(TestForm& t) {
    const int i = radicals::scan(radicals::table(), bytes::fromUnicode(radicalShown(t)));
    return radicals::keyOf(radicals::table()[static_cast<size_t>(i)]);
}

QString historyFile(TestForm& t) { return t.home() + QStringLiteral("/.local/share/jaxo/history.sqlite"); }

// Every session the window recorded so far, newest first.
QList<Session> recorded(TestForm& t) {
    QCoreApplication::processEvents();  // the queued hand-over to the recorder
    t.form->history().flush();
    if (!QFileInfo::exists(historyFile(t))) return {};
    return history::Store::openFile(historyFile(t))->sessions();
}

}  // namespace

class TestHistoryWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { qunsetenv("JAXO_HISTORY_URL"); }

    // Two finished radical drills, one right key each, then Escape: two rows.
    void twoRadicalDrillsTwoRows() {
        TestForm t;
        t.form->show();
        for (int i = 0; i < 2; ++i) {
            t.form->startExercise(ExerciseId::RadicalDrill);
            auto* put = t.find<KeyLineEdit>(QStringLiteral("zgput"));
            QTest::keyClick(put, keyOfShown(t));
            QTest::keyClick(put, Qt::Key_Escape);
        }
        QCOMPARE(t.modalCount, 2);
        const QList<Session> rows = recorded(t);
        QCOMPARE(rows.size(), 2);
        for (const Session& s : rows) {
            QCOMPARE(s.kind, QStringLiteral("radicals"));
            QCOMPARE(s.title, QStringLiteral("字根练习"));
            QCOMPARE(s.typed, 1);
            QCOMPARE(s.right, 1);
            QCOMPARE(s.wrong, 0);
        }
        QVERIFY(t.messages.errors.isEmpty());
    }

    void rowPerReport_data() {
        QTest::addColumn<QString>("exercise");
        QTest::addColumn<int>("reports");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("missUnit");  // the unit of the one miss, or none
        QTest::newRow("a radical drill left by 退出 with one wrong key") << "radical-wrong" << 1 << 1 << "radicals" << "radical";
        QTest::newRow("a vocabulary drill with one wrong word") << "word-wrong" << 1 << 1 << "vocabulary" << "word";
        QTest::newRow("a Chinese test left by a confirmed forced exit") << "test-forced" << 0 << 0 << "" << "";
        QTest::newRow("a Chinese test whose forced exit was refused, then its time limit")
            << "test-refused-limit" << 1 << 1 << "chinese-test" << "";
        QTest::newRow("a radical drill with nothing typed: a report, no row") << "radical-nothing" << 1 << 0 << "" << "";
    }
    void rowPerReport() {
        QFETCH(QString, exercise);
        QFETCH(int, reports);
        QFETCH(int, rows);
        QFETCH(QString, kind);
        QFETCH(QString, missUnit);
        TestForm t;
        t.form->show();
        QStringList report;  // the report's captions as the learner saw them
        t.onModal = [&](QDialog& d) {
            for (int i = 1; i <= 7; ++i) {
                auto* l = d.findChild<QLabel*>(QStringLiteral("pig%1").arg(i));
                report << (l->isVisibleTo(&d) ? l->text() : QString());
            }
        };
        QString expected, typed;
        if (exercise == QLatin1String("radical-wrong")) {
            t.form->startExercise(ExerciseId::RadicalDrill);
            expected = radicalShown(t);
            typed = keyOfShown(t) == 'a' ? QStringLiteral("b") : QStringLiteral("a");
            QTest::keyClick(t.find<KeyLineEdit>(QStringLiteral("zgput")), typed.at(0).toLatin1());
            t.find<QPushButton>(QStringLiteral("zgexit"))->click();
        } else if (exercise == QLatin1String("radical-nothing")) {
            t.form->startExercise(ExerciseId::RadicalDrill);
            t.find<QPushButton>(QStringLiteral("zgexit"))->click();
        } else if (exercise == QLatin1String("word-wrong")) {
            t.form->startExercise(ExerciseId::PrimaryWords);
            typed = QStringLiteral("qqqq");
            auto* put = t.find<QLineEdit>(QStringLiteral("bdcput"));
            QTest::keyClicks(put, typed);
            QTest::keyClick(put, Qt::Key_Return);
            QTest::keyClick(put, Qt::Key_Escape);
        } else {
            t.form->liveSettings().edit().testMinutes = 1;
            t.form->startExercise(ExerciseId::ChineseTestFromStart);
            t.messages.answerYes = exercise == QLatin1String("test-forced");
            // The first character typed right, as the test's line takes it from the input method.
            QInputMethodEvent commit;
            commit.setCommitString(labelText(t, "chinatext1").left(1));
            QApplication::sendEvent(t.find<KeyLineEdit>(QStringLiteral("chinaput1")), &commit);
            t.find<QToolButton>(QStringLiteral("exitexit"))->click();
            if (!t.messages.answerYes) {
                t.clock.advanceSeconds(61);
                QVERIFY(t.form->chinesePanel()->timer()->isActive());
                t.form->chinesePanel()->onTimer();
            }
        }
        QCOMPARE(t.modalCount, reports);
        const QList<Session> got = recorded(t);
        QCOMPARE(got.size(), rows);
        if (!rows) return;
        const Session& s = got.first();
        QCOMPARE(s.kind, kind);
        // The figures of the report that opened, as it showed them.
        QCOMPARE(report.size(), 7);
        QCOMPARE(report[6], QStringLiteral("正确率:\u3000%1%").arg(history::accuracyText(s)));
        QCOMPARE(report[0], QStringLiteral("输入:\u3000%1\u3000个字！").arg(s.typed));
        QCOMPARE(report[1], QStringLiteral("正确:\u3000%1\u3000个字！").arg(s.right));
        QCOMPARE(report[2], QStringLiteral("错误:\u3000%1\u3000个字！").arg(s.wrong));
        QCOMPARE(report[3], QStringLiteral("用时:\u3000%1分%2秒！").arg(s.seconds / 60 % 60).arg(s.seconds % 60));
        if (report[4].isEmpty()) {
            QCOMPARE(s.perMinute, 0);
            QCOMPARE(s.rating, QString());
        } else {
            QCOMPARE(report[4], QStringLiteral("成绩:\u3000%1个/分钟！").arg(s.perMinute));
            QCOMPARE(report[5], QStringLiteral("评价:\u3000") + s.rating);
        }
        const QList<history::Miss> misses = history::Store::openFile(historyFile(t))->misses(s.id);
        if (missUnit.isEmpty()) {
            QCOMPARE(misses.size(), 0);
            return;
        }
        QCOMPARE(misses.size(), 1);
        QCOMPARE(misses[0].unit, missUnit);
        QCOMPARE(misses[0].typed, typed);
        QCOMPARE(misses[0].count, 1);
        if (!expected.isEmpty()) QCOMPARE(misses[0].expected, expected);
        QVERIFY(!misses[0].expected.isEmpty());
    }

    // A history that cannot be written never stops practising: the report opens, the
    // error display names the file once, and the next exercise runs.
    void unusableHistoryDoesNotStopPractising() {
        TestForm t;
        t.form->show();
        // A plain file where the program's data folder belongs.
        QDir().mkpath(t.home() + QStringLiteral("/.local/share"));
        QFile blocker(t.home() + QStringLiteral("/.local/share/jaxo"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        for (int i = 0; i < 2; ++i) {
            t.form->startExercise(ExerciseId::RadicalDrill);
            auto* put = t.find<KeyLineEdit>(QStringLiteral("zgput"));
            QTest::keyClick(put, keyOfShown(t));
            QTest::keyClick(put, Qt::Key_Escape);
            recorded(t);
            QCoreApplication::processEvents();
        }
        QCOMPARE(t.modalCount, 2);
        QCOMPARE(t.messages.errors.size(), 1);
        QVERIFY2(t.messages.errors.first().contains(historyFile(t)), qPrintable(t.messages.errors.first()));
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "test_history_window.moc"
