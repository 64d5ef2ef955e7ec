// The radical drill panel on a fake host: start, keys as the keyboard sends
// them (auto-repeats included), the endings and the report, the chart and the marks,
// the live keyboard on the chart.
#include "adaptive/adaptivefiles.h"
#include "adaptive/keyboardview.h"
#include "widgets/keylineedit.h"
#include "widgets/bytegridlabel.h"
#include "radicals/radicalpanel.h"
#include "radicals/radicaltable.h"
#include "support/fakehost.h"

#include <QDir>
#include <QFileInfo>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <cstdlib>

namespace {

QString text(FakeHost& t, const char* name) { return t.find<QLabel>(QString::fromLatin1(name))->text(); }

struct Drill {
    FakeHost t;
    KeyLineEdit* zgput = nullptr;

    // preferences: the live keyboard line of the learner's file; empty: no file.
    explicit Drill(const QByteArray& preferences = {}) {
        if (!preferences.isEmpty()) {
            QDir().mkpath(QFileInfo(adaptive::preferencesPath()).absolutePath());
            QFile f(adaptive::preferencesPath());
            if (f.open(QIODevice::WriteOnly)) f.write(preferences + '\n');
        }
        t.liveSettings().edit().keySound = true;
        auto* panel = new RadicalPanel(t, &t.desk);
        panel->hide();
        t.desk.show();
        panel->start(exerciseKind(ExerciseId::RadicalDrill));
        zgput = t.find<KeyLineEdit>(QStringLiteral("zgput"));
    }
    ExerciseScore& s() { return t.find<RadicalPanel>(QStringLiteral("zgform"))->score(); }
    QString marks() { return text(t, "zgxsh2"); }
    // The radical (from 0) the arrow on the mark line stands under.
    int arrowAt() { return marks().endsWith(QStringLiteral("↑")) ? int(marks().size()) - 1 : -1; }
    // The key letter of the radical under the arrow.
    char rightKey() {
        const QString radical = text(t, "zgtext2").mid(arrowAt(), 1);
        const int i = radicals::scan(radicals::table(), bytes::fromUnicode(radical));
        return radicals::keyOf(radicals::table()[static_cast<size_t>(i)]);
    }
    char wrongKey() { return rightKey() == 'a' ? 'b' : 'a'; }
    void send(QEvent::Type type, int key, const QString& txt, bool autoRepeat = false,
              Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent e(type, key, mods, txt, autoRepeat);
        QApplication::sendEvent(zgput, &e);
    }
    // A key event as X delivers it: with its scan code and time.
    void sendX(QEvent::Type type, char c, quint64 time, bool autoRepeat = false) {
        const QString txt(QChar::fromLatin1(c));
        QKeyEvent e(type, Qt::Key_A + (c - 'a'), Qt::NoModifier, quint32(c), quint32(c), 0, txt, autoRepeat);
        e.setTimestamp(time);
        QApplication::sendEvent(zgput, &e);
    }
    int answers() { return s().rightCount + s().wrongCount; }
    void letter(char c) { QTest::keyClick(zgput, c); }
};

int keyFor(char c) { return Qt::Key_A + (c - 'a'); }

QString upper(char c) { return QString(QChar::fromLatin1(char(c - 'a' + 'A'))); }

// How many pixels of the grab have exactly this colour: a key's face.
int pixelsOf(const QImage& img, QColor colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += img.pixelColor(x, y) == colour;
    return n;
}

}  // namespace

class TestRadicalPanel : public QObject {
    Q_OBJECT
private slots:
    void start() {
        Drill d;
        FakeHost& t = d.t;
        auto* panel = t.find<RadicalPanel>(QStringLiteral("zgform"));
        QVERIFY(panel->isVisible());
        QVERIFY(t.find<QTimer>(QStringLiteral("zgtimerctr"))->isActive());
        QVERIFY(t.toolBarCollapsed);
        QVERIFY(!t.toolBarEnabled);
        for (const char* n : {"zgzuang1", "zgzuang1a"}) QCOMPARE(text(t, n), QStringLiteral("中文练习"));
        for (const char* n : {"zgzuang2", "zgzuang2a"}) QCOMPARE(text(t, n), QStringLiteral("字根练习"));
        QCOMPARE(text(t, "zgxsh1"), QStringLiteral("↑"));
        QCOMPARE(text(t, "zgxsh2"), QStringLiteral("↑"));
        const QString row = text(t, "zgtext2");
        QCOMPARE(text(t, "zgtext1"), row);
        QCOMPARE(int(bytes::fromUnicode(row).size()), 50);
        const int first = radicals::scan(radicals::table(), bytes::fromUnicode(row.left(1)));
        QVERIFY(first >= 0);
        QCOMPARE(text(t, "kjxsh2"), bytes::toUnicode(radicals::hintOf(radicals::table()[size_t(first)])));
        QCOMPARE(text(t, "kjxsh1"), text(t, "kjxsh2"));
        QCOMPARE(t.desk.focusWidget(), d.zgput);
        QCOMPARE(d.arrowAt(), 0);
    }

    void layout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("where");
        QTest::newRow("panel") << "zgform" << QRect(90, 70, 636, 400);
        QTest::newRow("key chart") << "zgbiao" << QRect(32, 206, 603, 192);
        QTest::newRow("input box below the visible part") << "zgput" << QRect(80, 600, 30, 30);
        QTest::newRow("exit") << "zgexit" << QRect(530, 160, 90, 40);
    }
    void layout() {
        QFETCH(QString, name);
        QFETCH(QRect, where);
        Drill d;
        QCOMPARE(d.t.find<QWidget>(name)->geometry(), where);
    }

    // The exit button says what it does, in the status bar and to a screen reader.
    void exitButtonHint() {
        Drill d;
        QCOMPARE(d.t.find<QWidget>(QStringLiteral("zgexit"))->accessibleDescription(),
                 QStringLiteral("退出练习并查看成绩..."));
    }

    // The input box takes plain keys even while a Chinese input method is on.
    void inputMethodStaysOut() {
        Drill d;
        QCOMPARE(d.zgput->inputMethodQuery(Qt::ImEnabled).toBool(), false);
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("金"));
        QApplication::sendEvent(d.zgput, &commit);
        QCOMPARE(d.zgput->text(), QString());
        QCOMPARE(d.s().rightCount + d.s().wrongCount, 0);
    }

    void answers_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("right");
        QTest::newRow("the right letter") << "right" << true;
        QTest::newRow("another letter") << "wrong" << false;
        QTest::newRow("Shift alone") << "shift" << false;
        QTest::newRow("the right letter in capital (Caps Lock)") << "capital" << false;
        QTest::newRow("z") << "z" << false;
        QTest::newRow("an arrow key") << "arrow" << false;
    }
    void answers() {
        QFETCH(QString, how);
        QFETCH(bool, right);
        Drill d;
        const QString first = text(d.t, "zgtext2").left(1);
        const char k = d.rightKey();
        if (how == QLatin1String("right")) d.letter(k);
        else if (how == QLatin1String("wrong")) d.letter(d.wrongKey());
        else if (how == QLatin1String("shift")) QTest::keyClick(d.zgput, Qt::Key_Shift);
        else if (how == QLatin1String("capital")) {
            const QString cap(QChar::fromLatin1(char(k - 'a' + 'A')));
            d.send(QEvent::KeyPress, keyFor(k), cap);
            d.send(QEvent::KeyRelease, keyFor(k), cap);
        }
        else if (how == QLatin1String("z")) QTest::keyClick(d.zgput, 'z');
        else QTest::keyClick(d.zgput, Qt::Key_Left);
        QCOMPARE(d.s().rightCount, right ? 1 : 0);
        QCOMPARE(d.s().wrongCount, right ? 0 : 1);
        QCOMPARE(d.marks(), (right ? first : QStringLiteral("×")) + QStringLiteral("↑"));
        QCOMPARE(text(d.t, "zgxsh1"), d.marks());
        QCOMPARE(d.arrowAt(), 1);
        QCOMPARE(d.zgput->text(), QString());
    }

    // A click for every character typed, none for Shift; Escape clicks too.
    void keyClick() {
        Drill d;
        d.letter('a');
        QTest::keyClick(d.zgput, Qt::Key_Shift);
        d.letter('b');
        QCOMPARE(int(d.t.fakeSound.clicks.size()), 2);
        QCOMPARE(QString::fromStdString(d.t.fakeSound.clicks.front()), d.t.appDir() + QStringLiteral("/key.wav"));
        d.t.liveSettings().edit().keySound = false;
        d.letter('c');
        QCOMPARE(int(d.t.fakeSound.clicks.size()), 2);
    }

    void aFullRow() {
        Drill d;
        const QString firstRow = text(d.t, "zgtext2");
        for (int i = 0; i < 24; ++i) d.letter(i % 2 ? d.rightKey() : d.wrongKey());
        QCOMPARE(int(bytes::fromUnicode(d.marks()).size()), 50);
        d.letter(d.rightKey());
        QVERIFY(text(d.t, "zgtext2") != firstRow);
        QCOMPARE(text(d.t, "zgtext1"), text(d.t, "zgtext2"));
        QCOMPARE(d.marks(), QStringLiteral("↑"));
        QCOMPARE(d.arrowAt(), 0);
        QCOMPARE(d.s().rightCount, 13);
        QCOMPARE(d.s().wrongCount, 12);
        const int i = radicals::scan(radicals::table(), bytes::fromUnicode(text(d.t, "zgtext2").left(1)));
        QCOMPARE(text(d.t, "kjxsh2"), bytes::toUnicode(radicals::hintOf(radicals::table()[size_t(i)])));
    }

    // A held key repeats: X sends release and press pairs flagged as repeats. One
    // answer, one click, and the box never fills with the repeats.
    void aHeldKeyIsOneAnswer() {
        Drill d;
        const char k = d.rightKey();
        const QString first = text(d.t, "zgtext2").left(1);
        const QString s(QChar::fromLatin1(k));
        d.send(QEvent::KeyPress, keyFor(k), s);
        for (int i = 0; i < 5; ++i) {
            d.send(QEvent::KeyRelease, keyFor(k), s, true);
            d.send(QEvent::KeyPress, keyFor(k), s, true);
            QCOMPARE(d.zgput->text(), s);
            QCOMPARE(d.marks(), QString());
        }
        d.send(QEvent::KeyRelease, keyFor(k), s);
        QCOMPARE(d.s().rightCount, 1);
        QCOMPARE(d.s().wrongCount, 0);
        QCOMPARE(d.marks(), first + QStringLiteral("↑"));
        QCOMPARE(int(d.t.fakeSound.clicks.size()), 1);
    }

    // X repeats a held key as release/press pairs with one time, most of them not flagged
    // as repeats: still one answer, one click.
    void heldKeyFromX_data() {
        QTest::addColumn<QList<int>>("events");  // +t press at time t, -t release at t
        QTest::addColumn<int>("answers");
        QTest::newRow("repeat pairs, unflagged") << QList<int>{+1000, -1500, +1500, -1540, +1540, -1580, +1580, -1700} << 1;
        QTest::newRow("detectable repeat: presses only") << QList<int>{+1000, +1500, +1540, +1580, -1700} << 1;
        QTest::newRow("two quick strokes of one key") << QList<int>{+1000, -1100, +1180, -1250} << 2;
    }
    void heldKeyFromX() {
        QFETCH(QList<int>, events);
        QFETCH(int, answers);
        Drill d;
        const char k = d.rightKey();
        for (int t : events) d.sendX(t > 0 ? QEvent::KeyPress : QEvent::KeyRelease, k, quint64(std::abs(t)));
        QTRY_COMPARE(d.answers(), answers);
        QTest::qWait(80);
        QCOMPARE(d.answers(), answers);
        QCOMPARE(d.s().rightCount, 1);
        QCOMPARE(int(d.t.fakeSound.clicks.size()), answers);
        QCOMPARE(d.zgput->text(), QString());
    }

    // The release waits for a possible repeat, but the next key or the ending does not
    // wait for it: answers keep their order and none is lost.
    void aWaitingReleaseIsJudgedFirst() {
        Drill d;
        const char first = d.rightKey();
        d.sendX(QEvent::KeyPress, first, 1000);
        d.sendX(QEvent::KeyRelease, first, 1100);
        d.sendX(QEvent::KeyPress, 'z', 1120);
        QCOMPARE(d.answers(), 1);
        QCOMPARE(d.s().rightCount, 1);
        d.sendX(QEvent::KeyRelease, 'z', 1200);
        int countedAtReport = -1;
        d.t.onModal = [&](QDialog&) { countedAtReport = d.answers(); };
        d.t.find<QPushButton>(QStringLiteral("zgexit"))->click();
        QCOMPARE(countedAtReport, 2);
        QCOMPARE(d.s().wrongCount, 1);
    }

    void shiftHeldOverALetter() {
        Drill d;
        d.letter(d.rightKey());
        const QString before = d.marks();
        const char k = d.rightKey();
        const QString cap(QChar::fromLatin1(char(k - 'a' + 'A')));
        d.send(QEvent::KeyPress, Qt::Key_Shift, QString());
        d.send(QEvent::KeyPress, keyFor(k), cap, false, Qt::ShiftModifier);
        d.send(QEvent::KeyRelease, keyFor(k), cap, false, Qt::ShiftModifier);
        d.send(QEvent::KeyRelease, Qt::Key_Shift, QString());
        QCOMPARE(d.s().rightCount, 1);
        QCOMPARE(d.s().wrongCount, 2);
        QCOMPARE(d.marks(), before.left(1) + QStringLiteral("××↑"));
        QCOMPARE(d.arrowAt(), 3);
    }

    void escapeEndsTheDrill() {
        Drill d;
        d.letter(d.rightKey());
        d.t.fakeClock.advanceSeconds(5);
        d.t.find<RadicalPanel>(QStringLiteral("zgform"))->onTimer();
        bool toolBarEnabledAtReport = false;
        int countedAtReport = -1;
        d.t.onModal = [&](QDialog&) {
            toolBarEnabledAtReport = d.t.toolBarEnabled;
            countedAtReport = d.s().rightCount + d.s().wrongCount;
        };
        QTest::keyClick(d.zgput, Qt::Key_Escape);
        QCOMPARE(d.t.modalCount, 1);
        QCOMPARE(d.t.lastModal, QStringLiteral("cjreport"));
        QVERIFY(toolBarEnabledAtReport);
        QCOMPARE(countedAtReport, 1);
        QCOMPARE(d.s().rightCount + d.s().wrongCount, 1);
        QCOMPARE(bytes::toUnicode(d.s().elapsedText), QStringLiteral("0:00:05"));
        QVERIFY(d.t.lastReport.startsWith(QStringLiteral("输入:\u30001\u3000个字！，正确:\u30001\u3000个字！")));
        QVERIFY(d.t.lastReport.contains(QStringLiteral("用时:\u30000分5秒！")));
        QVERIFY(!d.t.find<RadicalPanel>(QStringLiteral("zgform"))->isVisible());
        QVERIFY(!d.t.find<QTimer>(QStringLiteral("zgtimerctr"))->isActive());
        QVERIFY(!d.t.toolBarCollapsed);
        QCOMPARE(int(d.t.fakeSound.clicks.size()), 2);
    }

    void exitButtonEndsTheDrill() {
        Drill d;
        d.t.find<QPushButton>(QStringLiteral("zgexit"))->click();
        QCOMPARE(d.t.modalCount, 1);
        QVERIFY(!d.t.find<QTimer>(QStringLiteral("zgtimerctr"))->isActive());
        QVERIFY(!d.t.find<RadicalPanel>(QStringLiteral("zgform"))->isVisible());
    }

    void practiceLimit() {
        Drill d;
        d.t.liveSettings().edit().practiceMinutes = 10;
        auto* panel = d.t.find<RadicalPanel>(QStringLiteral("zgform"));
        d.t.fakeClock.advanceSeconds(599);
        panel->onTimer();
        QCOMPARE(text(d.t, "zgtime1"), QStringLiteral("0:09:59"));
        QCOMPARE(text(d.t, "zgtime2"), QStringLiteral("0:09:59"));
        QCOMPARE(d.t.modalCount, 0);
        d.t.fakeClock.advanceSeconds(1);
        panel->onTimer();
        QCOMPARE(d.t.modalCount, 1);
        QCOMPARE(bytes::toUnicode(d.s().elapsedText), QStringLiteral("0:10:00"));
        QVERIFY(!d.t.find<QTimer>(QStringLiteral("zgtimerctr"))->isActive());
        // Keys that still arrive count nothing.
        d.letter('q');
        QCOMPARE(d.s().rightCount + d.s().wrongCount, 0);
    }

    void liveChart_data() {
        QTest::addColumn<QByteArray>("setting");  // the keyboard line of the preferences; empty: no file
        QTest::addColumn<QString>("how");          // what is typed before looking
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("flashed");         // the key typed wrong is named and shown crossed out
        QTest::newRow("on by default: the next radical's key and finger named in the chart's description and caption")
            << QByteArray() << "" << true << false;
        QTest::newRow("after a right answer: the key of the next radical named") << QByteArray("keyboard on") << "right" << true << false;
        QTest::newRow("a wrong key is named as flashed, and the next key still named") << QByteArray() << "wrong" << true << true;
        QTest::newRow("a capital is flashed on its letter's key") << QByteArray() << "capital" << true << true;
        QTest::newRow("Shift alone is wrong but no key of the chart: none flashed") << QByteArray() << "shift" << true << false;
        QTest::newRow("a moment later the flash is gone") << QByteArray() << "wrong, wait" << true << false;
        QTest::newRow("switched off: no key named, no caption, no key lit") << QByteArray("keyboard off") << "wrong" << false << false;
    }
    void liveChart() {
        QFETCH(QByteArray, setting);
        QFETCH(QString, how);
        QFETCH(bool, live);
        QFETCH(bool, flashed);
        Drill d(setting);
        auto* chart = d.t.find<QWidget>(QStringLiteral("zgbiao"));
        auto* caption = d.t.find<QLabel>(QStringLiteral("zgnextkey"));
        char typed = 0;
        if (how.startsWith(QLatin1String("wrong"))) d.letter(typed = d.wrongKey());
        if (how == QLatin1String("right")) d.letter(d.rightKey());
        if (how == QLatin1String("shift")) QTest::keyClick(d.zgput, Qt::Key_Shift);
        if (how == QLatin1String("capital")) {
            typed = d.rightKey();
            d.send(QEvent::KeyPress, keyFor(typed), upper(typed));
            d.send(QEvent::KeyRelease, keyFor(typed), upper(typed));
        }
        QCOMPARE(d.answers(), how.isEmpty() ? 0 : 1);
        const char next = d.rightKey();
        QString described = live ? QStringLiteral("下一个键：%1，%2").arg(upper(next), KeyboardView::fingerName(next)) : QString();
        if (flashed) described += QStringLiteral("；按错的键：") + upper(typed);
        if (how.endsWith(QLatin1String("wait"))) QTRY_COMPARE(chart->accessibleDescription(), described);
        QCOMPARE(chart->accessibleDescription(), described);
        QCOMPARE(caption->isVisible(), live);
        if (live) QCOMPARE(caption->text(), QStringLiteral("下一个键：%1\n手指：%2").arg(upper(next), KeyboardView::fingerName(next)));
        // The key due wears its finger's colour (unless it is the one flashed); the
        // flashed key is red.
        const QImage img = chart->grab().toImage();
        const bool lit = live && !(flashed && typed == next);
        QCOMPARE(pixelsOf(img, KeyboardView::keyColour(next)) > 300, lit);
        QCOMPARE(pixelsOf(img, QColor(0xc6, 0x28, 0x28)) > 300, flashed);
    }

    // The marks are set on the row's byte grid: "×" under the first radical, "↑" under
    // the second, whatever widths the font gives the two signs.
    void marksStandUnderTheirRadicals() {
        Drill d;
        d.letter(d.wrongKey());
        auto* marks = d.t.find<ByteGridLabel>(QStringLiteral("zgxsh2"));
        auto* row = d.t.find<ByteGridLabel>(QStringLiteral("zgtext2"));
        QCOMPARE(marks->x(), row->x());
        QCOMPARE(marks->columnWidth(), row->columnWidth());
        const int cell = qRound(marks->columnWidth());
        QImage img(marks->size(), QImage::Format_ARGB32);
        img.fill(Qt::transparent);
        marks->render(&img, QPoint(), QRegion(), QWidget::DrawChildren);
        auto inkBetween = [&](int from, int to) {
            for (int x = 0; x < img.width(); ++x)
                for (int y = 0; y < img.height(); ++y)
                    if (qAlpha(img.pixel(x, y)) > 96 && (x < from || x >= to)) return false;
            return true;
        };
        auto inkIn = [&](int from, int to) {
            for (int x = from; x < to; ++x)
                for (int y = 0; y < img.height(); ++y)
                    if (qAlpha(img.pixel(x, y)) > 96) return true;
            return false;
        };
        QVERIFY(inkBetween(0, 4 * cell));
        QVERIFY(inkIn(0, 2 * cell));
        QVERIFY(inkIn(2 * cell, 4 * cell));
    }
};

QTEST_MAIN(TestRadicalPanel)
#include "test_radicalpanel.moc"
