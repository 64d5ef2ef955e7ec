// The score report: its arithmetic on every worked example and edge case, and the
// window, which gives the main screen back however it is closed; the live figures that
// foretell it while the learner types.
#include "exercise/livefigures.h"
#include "report/reportdialog.h"
#include "report/scorereport.h"
#include "support/testform.h"
#include "vocabulary/wordpanel.h"
#include "english/englishpanel.h"

#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestScoreReport : public QObject {
    Q_OBJECT
private slots:
    void arithmetic_data() {
        QTest::addColumn<QString>("elapsed");
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<QString>("time");
        QTest::addColumn<int>("minutes");
        QTest::addColumn<int>("speed");
        QTest::addColumn<QString>("rating");
        QTest::addColumn<QString>("accuracy");
        const QString ok = QStringLiteral("继续努力！");
        // The worked examples.
        QTest::newRow("0:02:40, 95 + 5") << "0:02:40" << 95 << 5 << "2分40秒！" << 3 << 33 << "好！" << "95.0%";
        QTest::newRow("0:00:45, 10: 0 becomes 1, then 45 s adds 1") << "0:00:45" << 10 << 0 << "0分45秒！" << 2 << 5 << ok << "100.0%";
        QTest::newRow("0:10:12, 700 + 30: too many errors") << "0:10:12" << 700 << 30 << "10分12秒！" << 10 << 73
                                                            << "有太多的错误，应该继续练习！" << "95.9%";
        QTest::newRow("1:00:10, 610: the hour is counted but not shown") << "1:00:10" << 610 << 0 << "0分10秒！" << 61
                                                                         << 10 << ok << "100.0%";
        QTest::newRow("0:05:00, nothing typed") << "0:05:00" << 0 << 0 << "5分0秒！" << 5 << 0 << "你真糟糕,一个字也打不出来!" << "没有输入";
        // Edge cases.
        QTest::newRow("29 seconds add nothing") << "0:03:29" << 30 << 0 << "3分29秒！" << 3 << 10 << ok << "100.0%";
        QTest::newRow("30 seconds add a minute") << "0:03:30" << 40 << 0 << "3分30秒！" << 4 << 10 << ok << "100.0%";
        QTest::newRow("within the first minute: 1") << "0:00:29" << 1 << 0 << "0分29秒！" << 1 << 1 << ok << "100.0%";
        QTest::newRow("whole hours and minutes 0: one more than the hours") << "2:00:05" << 121 << 0 << "0分5秒！" << 121
                                                                             << 1 << ok << "100.0%";
        QTest::newRow("ten hours or more still parse") << "10:00:00" << 601 << 0 << "0分0秒！" << 601 << 1 << ok << "100.0%";
        QTest::newRow("19 of 62 wrong: the accuracy tells what the rating does not")
            << "0:01:00" << 43 << 19 << "1分0秒！" << 1 << 62 << "优秀！" << "69.4%";
        QTest::newRow("19 wrong keep the speed's rating") << "0:01:00" << 31 << 19 << "1分0秒！" << 1 << 50 << "好！" << "62.0%";
        QTest::newRow("20 wrong replace it, whatever the speed") << "0:01:00" << 200 << 20 << "1分0秒！" << 1 << 220
                                                                 << "有太多的错误，应该继续练习！" << "90.9%";
        QTest::newRow("speed 30 is still 继续努力") << "0:01:00" << 30 << 0 << "1分0秒！" << 1 << 30 << ok << "100.0%";
        QTest::newRow("speed 31 is 好") << "0:01:00" << 31 << 0 << "1分0秒！" << 1 << 31 << "好！" << "100.0%";
        QTest::newRow("speed 50 is still 好") << "0:01:00" << 50 << 0 << "1分0秒！" << 1 << 50 << "好！" << "100.0%";
        QTest::newRow("speed 60 is 良好") << "0:01:00" << 60 << 0 << "1分0秒！" << 1 << 60 << "良好！" << "100.0%";
        QTest::newRow("speed 100 is 优秀") << "0:01:00" << 100 << 0 << "1分0秒！" << 1 << 100 << "优秀！" << "100.0%";
        QTest::newRow("speed 101 is 高手") << "0:01:00" << 101 << 0 << "1分0秒！" << 1 << 101 << "高手！" << "100.0%";
        QTest::newRow("the speed drops the remainder") << "0:02:00" << 61 << 0 << "2分0秒！" << 2 << 30 << ok << "100.0%";
    }
    void arithmetic() {
        QFETCH(QString, elapsed);
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(QString, time);
        QFETCH(int, minutes);
        QFETCH(int, speed);
        QFETCH(QString, rating);
        QFETCH(QString, accuracy);
        const ScoreReport r = computeScoreReport(right, wrong, true, elapsed.toStdString());
        const QString sp = QStringLiteral("\u3000");
        QCOMPARE(r.typed, QStringLiteral("输入:") + sp + QString::number(right + wrong) + sp + QStringLiteral("个字！"));
        QCOMPARE(r.right, QStringLiteral("正确:") + sp + QString::number(right) + sp + QStringLiteral("个字！"));
        QCOMPARE(r.wrong, QStringLiteral("错误:") + sp + QString::number(wrong) + sp + QStringLiteral("个字！"));
        QCOMPARE(r.time, QStringLiteral("用时:") + sp + time);
        QCOMPARE(r.minutes, minutes);
        QCOMPARE(r.speed, speed);
        QCOMPARE(r.speedText, QStringLiteral("成绩:") + sp + QString::number(speed) + QStringLiteral("个/分钟！"));
        QCOMPARE(r.rating, QStringLiteral("评价:") + sp + rating);
        // Beside the rating, which stays blind to fewer than 20 errors.
        QCOMPARE(r.accuracy, QStringLiteral("正确率:") + sp + accuracy);
        QVERIFY(r.showSpeedAndRating);
    }

    void vocabularyHidesSpeedAndRating() {
        const ScoreReport r = computeScoreReport(10, 0, false, "0:01:00");
        QVERIFY(!r.showSpeedAndRating);
        QCOMPARE(r.speed, 10);  // still computed
    }

    // The window on the real main window: its labels, and the main screen after it.
    void liveFigures_data() {
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("elapsedMs");
        QTest::addColumn<bool>("withSpeed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("nothing counted yet: dashes, not reached")
            << 0 << 0 << 30000 << true << "速度 —（目标 60 个/分）\n正确率 —（目标 95%） 未达标";
        QTest::newRow("the first ten seconds give no speed")
            << 10 << 0 << 5000 << true << "速度 —（目标 60 个/分）\n正确率 100.0%（目标 95%） 未达标";
        QTest::newRow("both targets reached") << 95 << 5 << 60000 << true
                                              << "速度 100 个/分（目标 60）\n正确率 95.0%（目标 95%） 达标";
        QTest::newRow("fast but careless") << 90 << 10 << 60000 << true
                                           << "速度 100 个/分（目标 60）\n正确率 90.0%（目标 95%） 未达标";
        QTest::newRow("careful but slow") << 50 << 0 << 60000 << true
                                          << "速度 50 个/分（目标 60）\n正确率 100.0%（目标 95%） 未达标";
        QTest::newRow("a word drill shows no speed") << 19 << 1 << 60000 << false << "正确率 95.0%（目标 95%） 达标";
    }
    void liveFigures() {
        QFETCH(int, right);
        QFETCH(int, wrong);
        QFETCH(int, elapsedMs);
        QFETCH(bool, withSpeed);
        QFETCH(QString, shown);
        QCOMPARE(livefigures::text(right, wrong, elapsedMs, withSpeed), shown);
    }

    void window_data() {
        QTest::addColumn<QString>("close");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("mainMusic");
        QTest::newRow("退出, main music on") << "button" << "中文练习" << true;
        QTest::newRow("close box, main music off") << "closeBox" << "中文练习" << false;
        QTest::newRow("Escape, main music on") << "escape" << "中文练习" << true;
        QTest::newRow("vocabulary: counts and time only") << "button" << "轻轻松松背单词" << false;
    }
    void window() {
        QFETCH(QString, close);
        QFETCH(QString, mode);
        QFETCH(bool, mainMusic);
        TestForm tf;
        ExerciseScore s;
        Settings& cfg = tf.form->liveSettings().edit();
        s.rightCount = 95;
        s.wrongCount = 5;
        s.elapsedText = "0:02:40";
        s.modeTitle = bytes::fromUnicode(mode);
        s.lessonTitle = bytes::gb("高频字练习");
        const bool vocabulary = mode == QStringLiteral("轻轻松松背单词");
        s.kind = &exerciseKind(vocabulary ? ExerciseId::PrimaryWords : ExerciseId::HighFrequency);
        cfg.mainMusic = mainMusic;
        tf.form->collapseToolBar();
        tf.sound.playing = !mainMusic;
        tf.onModal = [&](QDialog& d) {
            d.show();
            auto text = [&](const char* name) { return d.findChild<QLabel*>(QString::fromLatin1(name))->text(); };
            for (const char* n : {"pig1", "pig1a"}) QCOMPARE(text(n), QStringLiteral("输入:　100　个字！"));
            QCOMPARE(text("pig2a"), QStringLiteral("正确:　95　个字！"));
            QCOMPARE(text("pig3a"), QStringLiteral("错误:　5　个字！"));
            QCOMPARE(text("pig4a"), QStringLiteral("用时:　2分40秒！"));
            QCOMPARE(text("pig5a"), QStringLiteral("成绩:　33个/分钟！"));
            QCOMPARE(text("pig6"), QStringLiteral("评价:　好！"));
            QCOMPARE(text("pig6a"), QStringLiteral("评价:　好！"));
            QCOMPARE(text("pig7a"), QStringLiteral("正确率:　95.0%"));
            QVERIFY(d.findChild<QLabel*>(QStringLiteral("pig7a"))->isVisible());
            QCOMPARE(text("zht2"), mode);
            QCOMPARE(text("zht4"), QStringLiteral("高频字练习"));
            QVERIFY(!d.findChild<QLabel*>(QStringLiteral("pig1"))->isEnabled());
            for (const char* n : {"pig5", "pig5a", "pig6", "pig6a"})
                QCOMPARE(d.findChild<QLabel*>(QString::fromLatin1(n))->isHidden(), vocabulary);
            QCOMPARE(d.windowTitle(), QStringLiteral("成绩报告单："));
            QVERIFY(!tf.form->toolBarTabs()->isEnabled());
            if (close == QLatin1String("button"))
                d.findChild<QPushButton*>(QStringLiteral("exit"))->click();
            else if (close == QLatin1String("closeBox"))
                d.close();
            else {
                // Keys count once the keyboard has been quiet a moment.
                QTest::qWait(ReportDialog::kQuietMs + 100);
                QTest::keyClick(&d, Qt::Key_Escape);
            }
            // Closed, and the main screen is back by this way of closing alone.
            QVERIFY(!d.isVisible());
            QCOMPARE(tf.form->toolBarTabs()->height(), 90);
            QVERIFY(tf.form->toolBarTabs()->isEnabled());
            QCOMPARE(tf.sound.playing, mainMusic);
            for (const char* n : {"pig5", "pig5a", "pig6", "pig6a"})
                QVERIFY(!d.findChild<QLabel*>(QString::fromLatin1(n))->isHidden());
        };
        tf.form->openReport(s);
        QCOMPARE(tf.modalCount, 1);
        QCOMPARE(tf.form->toolBarTabs()->height(), 90);
        QVERIFY(tf.form->toolBarTabs()->isEnabled());
        QCOMPARE(tf.sound.playing, mainMusic);
    }

    // A learner types right up to the limit and on: the keys that come after it never
    // close the report, and closing it starts nothing.
    void keysAcrossTheLimitKeepTheReport_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("panel");
        QTest::newRow("vocabulary drill: cat, Enter") << "m4a" << "bdcform";
        QTest::newRow("英文初级: cat, Space") << "m2a" << "englishform";
    }
    void keysAcrossTheLimitKeepTheReport() {
        QFETCH(QString, button);
        QFETCH(QString, panel);
        TestForm t;
        t.form->liveSettings().edit().wordMinutes = t.form->liveSettings().edit().practiceMinutes = 1;
        t.form->show();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        auto* start = t.find<QToolButton>(button);
        t.form->toolBarTabs()->setCurrentWidget(start->parentWidget());
        start->setFocus();
        QTest::keyClick(start, Qt::Key_Return);
        QTRY_VERIFY(t.find<QWidget>(panel)->isVisible());
        const auto type = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        QStringList seen;  // the figure typed, and whether the report is open, as the keys go on
        t.onModal = [&](QDialog& d) {
            d.show();
            QTRY_COMPARE(QApplication::activeWindow(), &d);
            auto* typed = d.findChild<QLabel*>(QStringLiteral("pig1a"));
            seen << typed->text();
            for (int i = 0; i < 20; ++i, QTest::qWait(100)) type(i % 2 ? Qt::Key_Space : Qt::Key_Return);
            seen << typed->text() + (d.isVisible() ? QStringLiteral(" open") : QStringLiteral(" closed"));
            // Once the keys have stopped, Enter closes it.
            QTest::qWait(ReportDialog::kQuietMs + 100);
            type(Qt::Key_Return);
            seen << (d.isVisible() ? QStringLiteral("open") : QStringLiteral("closed"));
        };
        // "cat" and Enter (or Space) every 1.3 s until the limit opens the report.
        for (int step = 0; step < 60 && t.modalCount == 0; ++step) {
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("cat"));
            type(panel == QLatin1String("bdcform") ? Qt::Key_Return : Qt::Key_Space);
            t.clock.advanceSeconds(1.3);
            for (QTimer* timer : t.find<QWidget>(panel)->findChildren<QTimer*>())
                if (timer->isActive()) QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
        }
        QCOMPARE(seen.size(), 3);
        QVERIFY2(seen[0].contains(QRegularExpression(QStringLiteral("[1-9]"))), qPrintable(seen[0]));
        QCOMPARE(seen.mid(1), (QStringList{seen[0] + QStringLiteral(" open"), QStringLiteral("closed")}));
        // Back on the tab, not on the button: more Space and Enter start nothing.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.form->toolBarTabs()->tabBar()));
        type(Qt::Key_Space);
        type(Qt::Key_Return);
        QTest::qWait(300);
        QVERIFY(!t.find<QWidget>(panel)->isVisible());
        QCOMPARE(t.modalCount, 1);
    }

    // Each showing builds a new window from the state of that moment.
    void aNewWindowEachTime() {
        TestForm tf;
        ExerciseScore s;
        s.elapsedText = "0:01:00";
        QStringList seen;
        tf.onModal = [&](QDialog& d) { seen << d.findChild<QLabel*>(QStringLiteral("pig2a"))->text(); };
        s.rightCount = 1;
        tf.form->openReport(s);
        s.rightCount = 2;
        tf.form->openReport(s);
        QCOMPARE(seen, (QStringList{QStringLiteral("正确:　1　个字！"), QStringLiteral("正确:　2　个字！")}));
    }
};

QTEST_MAIN(TestScoreReport)
#include "test_score_report.moc"
