// Storms of seeded random keys, input-method commits, clicks and clock ticks on each
// exercise and on the settings panel of a real main window. After every event the
// screen must be in one of its two states (an exercise or the settings panel on show
// with the tool bar locked, or the main screen); every score report must hold possible
// counts and the speed its time gives; after every batch the event loop must answer.
//
// JAXO_STORM_SEED=n repeats a run; JAXO_STORM_SCALE=x multiplies the event counts.
#include "widgets/keylineedit.h"
#include "app/mainwindow.h"
#include "chinese/chinesepanel.h"
#include "english/englishpanel.h"
#include "radicals/radicalpanel.h"
#include "settings/settingsfile.h"
#include "vocabulary/wordpanel.h"
#include "support/testform.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>

namespace {

constexpr int kEventsPerStorm = 30000;
constexpr int kBatch = 250;

quint64 seedFromEnvironment() {
    bool ok = false;
    const quint64 s = qEnvironmentVariable("JAXO_STORM_SEED").toULongLong(&ok);
    return ok ? s : std::random_device{}();
}

int eventCount() {
    bool ok = false;
    const double scale = qEnvironmentVariable("JAXO_STORM_SCALE").toDouble(&ok);
    return std::max(kBatch, static_cast<int>(kEventsPerStorm * (ok && scale > 0 ? scale : 1.0)));
}

// Aborts the run when the storm stops making progress: a modal loop or an endless loop
// would otherwise hang the suite without naming the seed.
class Watchdog {
public:
    Watchdog(quint64 seed, int limitSeconds) : seed_(seed) {
        thread_ = std::thread([this, limitSeconds] {
            long long seen = -1;
            int still = 0;
            while (!done_) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200));
                const long long now = progress_;
                still = now == seen ? still + 1 : 0;
                seen = now;
                if (still * 200 > limitSeconds * 1000) {
                    std::fprintf(stderr, "storm stalled at event %lld; repeat with JAXO_STORM_SEED=%llu\n", now,
                                 static_cast<unsigned long long>(seed_));
                    std::fflush(stderr);
                    std::abort();
                }
            }
        });
    }
    ~Watchdog() {
        done_ = true;
        thread_.join();
    }
    void tick(long long n) { progress_ = n; }

private:
    quint64 seed_;
    std::atomic<long long> progress_{0};
    std::atomic<bool> done_{false};
    std::thread thread_;
};

struct Counts {
    long long keys = 0, commits = 0, preedits = 0, clicks = 0, menus = 0, ticks = 0;
    long long starts = 0, reports = 0, saves = 0;
    long long unitsReported = 0, longestMinutes = 0;
};

// How an exercise is entered: the commands of its kind, taken in turn.
struct Kind {
    QString panel;  // object name of the panel the kind runs on
    std::vector<ExerciseId> commands;  // none: the settings panel
};

int firstNumber(const QString& text, bool* ok) {
    static const QRegularExpression number(QStringLiteral("-?\\d+"));
    const QRegularExpressionMatch m = number.match(text);
    *ok = m.hasMatch();
    return m.hasMatch() ? m.captured().toInt() : 0;
}

class Storm {
public:
    Storm(TestForm& tf, const Kind& kind, quint64 seed) : tf_(tf), kind_(kind), rng_(seed) {
        tf_.onModal = [this](QDialog& d) { modal(d); };
        // A forced exit of a test is sometimes confirmed, sometimes not, and a clock
        // tick sometimes comes while the question is open.
        tf_.messages.duringQuestion = [this] {
            tf_.messages.answerYes = chance(0.5);
            if (chance(0.3)) tick();
        };
    }

    QString run(int events, Watchdog& dog) {
        QWidget* window = tf_.form.get();
        const QPointer<QWidget> alive(window);
        for (int i = 0; i < events && fault_.isEmpty(); ++i) {
            dog.tick(i);
            eventIndex_ = i;
            if (!panel()->isVisible()) restart();
            const int r = pick(1000);
            if (r < 520)
                key();
            else if (r < 760)
                commit();
            else if (r < 790)
                preedit();
            else if (r < 860)
                click();
            else if (r < 862)
                contextMenu();
            else
                tick();
            checkScreen();
            if (i % kBatch == kBatch - 1) {
                bool answered = false;
                QMetaObject::invokeMethod(window, [&answered] { answered = true; }, Qt::QueuedConnection);
                QCoreApplication::processEvents();
                if (!answered) fail(QStringLiteral("the event loop did not answer"));
                if (!alive || !window->isVisible() || window->grab().isNull())
                    fail(QStringLiteral("the main window is gone or draws nothing"));
            }
        }
        return fault_;
    }

    Counts counts;

private:
    bool chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    template <typename T>
    const T& among(const std::vector<T>& v) { return v[static_cast<size_t>(pick(static_cast<int>(v.size())))]; }

    QWidget* panel() const { return tf_.find<QWidget>(kind_.panel); }
    bool settings() const { return kind_.panel == QLatin1String("system"); }

    void fail(const QString& what) {
        if (fault_.isEmpty()) fault_ = QStringLiteral("event %1: %2").arg(eventIndex_).arg(what);
    }

    QWidget* target() const {
        QWidget* f = QApplication::focusWidget();
        return f ? f : tf_.form.get();
    }

    void restart() {
        if (settings()) checkSavedSettings();
        const long long n = static_cast<long long>(kind_.commands.size());
        const long long at = n ? counts.starts % n : 0;
        ++counts.starts;
        reportsSinceStart_ = 0;
        if (n)
            tf_.form->startExercise(kind_.commands[static_cast<size_t>(at)]);
        else
            tf_.form->openSettings();
        if (settings()) checkPanelShowsSaved();
        if (!panel()->isVisible()) fail(QStringLiteral("the exercise did not start"));
    }

    // The main screen, or the panel with the tool bar locked: never a locked screen
    // without a panel, never two panels.
    void checkScreen() {
        const QTabWidget* bar = tf_.form->toolBarTabs();
        int shown = 0;
        for (const char* name : {"chinapanel", "englishform", "zgform", "bdcform", "system"})
            shown += tf_.find<QWidget>(QString::fromLatin1(name))->isVisible() ? 1 : 0;
        if (shown > 1) fail(QStringLiteral("two panels are shown at once"));
        if (shown == 0 && (!bar->isEnabled() || bar->height() != 90))
            fail(QStringLiteral("the main screen came back with the tool bar locked or collapsed"));
        if (shown == 1 && bar->isEnabled()) fail(QStringLiteral("the tool bar takes clicks during an exercise"));
        if (auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget()); line && line->cursorPosition() > line->text().size())
            fail(QStringLiteral("the caret stands past the end of ") + line->objectName());
        if (!tf_.messages.errors.isEmpty() && !settings())
            fail(QStringLiteral("an error was shown: ") + tf_.messages.errors.join(QLatin1Char('|')));
    }

    // The score report, read from its labels as the learner reads it.
    void modal(QDialog& d) {
        if (d.objectName() != QLatin1String("cjreport")) {
            fail(QStringLiteral("an unexpected modal window: ") + d.objectName());
            return;
        }
        ++counts.reports;
        if (++reportsSinceStart_ > 1) fail(QStringLiteral("a second score report for one exercise"));
        auto label = [&d](int i) {
            auto* l = d.findChild<QLabel*>(QStringLiteral("pig%1a").arg(i));
            return l ? l->text() : QString();
        };
        bool ok[5] = {};
        const int typed = firstNumber(label(1), &ok[0]);
        const int right = firstNumber(label(2), &ok[1]);
        const int wrong = firstNumber(label(3), &ok[2]);
        static const QRegularExpression time(QStringLiteral("(\\d+)分(\\d+)秒"));
        const QRegularExpressionMatch t = time.match(label(4));
        const int speed = firstNumber(label(5), &ok[3]);
        const QString report = QStringLiteral("report [%1|%2|%3|%4|%5]").arg(label(1), label(2), label(3), label(4), label(5));
        if (!ok[0] || !ok[1] || !ok[2] || !ok[3] || !t.hasMatch()) {
            fail(QStringLiteral("unreadable ") + report);
            return;
        }
        if (typed < 0 || right < 0 || wrong < 0 || speed < 0) fail(QStringLiteral("a negative count in ") + report);
        if (typed != right + wrong) fail(QStringLiteral("typed is not right + wrong in ") + report);
        const int minutes = t.captured(1).toInt();
        const int seconds = t.captured(2).toInt();
        counts.unitsReported += typed;
        counts.longestMinutes = std::max<long long>(counts.longestMinutes, minutes);
        if (minutes > 59 || seconds > 59) fail(QStringLiteral("an impossible time in ") + report);
        // Every exercise here ends within the hour: ticks come at most 59 s apart and
        // the limits are whole minutes below 60.
        const int counted = std::max(1, minutes) + (seconds >= 30 ? 1 : 0);
        if (speed != typed / counted) fail(QStringLiteral("the speed does not follow from the time in ") + report);
        auto* mode = d.findChild<QLabel*>(QStringLiteral("zht2"));
        const bool words = mode && mode->text() == QStringLiteral("轻轻松松背单词");
        auto* speedLabel = d.findChild<QLabel*>(QStringLiteral("pig5a"));
        if (!speedLabel || speedLabel->isHidden() != words)
            fail(QStringLiteral("speed shown or hidden against the exercise kind in ") + report);
    }

    // Text a learner would commit: mostly the characters on show at the caret, then
    // other characters, words, Latin letters and characters outside the two-byte range.
    QString commitText() {
        const int r = pick(100);
        if (r < 45) {
            const QString expected = expectedAtCaret();
            if (!expected.isEmpty()) return expected.left(1 + (chance(0.2) ? pick(3) : 0));
        }
        if (r < 75) return QString(QChar(0x4E00 + pick(0x9FA5 - 0x4E00)));
        if (r < 85) {
            QString word;
            for (int n = 2 + pick(3); n > 0; --n) word += QChar(0x4E00 + pick(0x9FA5 - 0x4E00));
            return word;
        }
        if (r < 90) return QString(QChar('a' + pick(26)));
        if (r < 93) return QString(QChar(0x3400 + pick(0x100)));  // four bytes in GB18030
        if (r < 95) return QString::fromUcs4(U"\U0001F600");
        if (r < 97) return QStringLiteral("\uFF0C\u3002");
        return QString();
    }

    // The text of the reference line above the focused line, from its caret on.
    QString expectedAtCaret() {
        auto* line = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!line) return {};
        QString name = line->objectName();
        name.replace(QStringLiteral("put"), QStringLiteral("text"));
        if (name == line->objectName()) {
            if (line->objectName() == QLatin1String("bdcput")) name = QStringLiteral("bdcdc");
            else return {};
        }
        auto* ref = tf_.find<QLabel>(name);
        if (!ref) return {};
        const int at = name == QLatin1String("bdcdc") ? line->text().size() : line->cursorPosition();
        return ref->text().mid(at);
    }

    void commit() {
        ++counts.commits;
        QWidget* w = target();
        const QString text = commitText();
        const int order = pick(3);
        const bool xlike = chance(0.5);
        auto release = [&] { sendKey(w, QEvent::KeyRelease, Qt::Key_Space, QString(), false, xlike); };
        if (order == 0) release();
        QInputMethodEvent e;
        if (chance(0.03) && !text.isEmpty())
            e.setCommitString(text, -pick(3), pick(3));  // replaces text before the caret
        else
            e.setCommitString(text);
        QApplication::sendEvent(w, &e);
        if (order == 1) release();
    }

    void preedit() {
        ++counts.preedits;
        QString code;
        for (int n = pick(5); n > 0; --n) code += QChar('a' + pick(26));
        QInputMethodEvent e(code, {});
        QApplication::sendEvent(target(), &e);
        if (chance(0.5)) sendKey(target(), QEvent::KeyRelease, Qt::Key_A, QString(), false, chance(0.5));
    }

    struct KeySpec {
        int key;
        QString text;
        Qt::KeyboardModifiers mods;
    };

    KeySpec randomKey() {
        const int r = pick(1000);
        if (r < 300) {
            const QString expected = expectedAtCaret();
            if (!expected.isEmpty() && expected.at(0).unicode() < 0x7F) {
                const QChar c = expected.at(0);
                return {keyFor(c), QString(c), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier};
            }
        }
        if (r < 650) {
            const QChar c('a' + pick(26));
            return {Qt::Key_A + (c.unicode() - 'a'), QString(c), Qt::NoModifier};
        }
        if (r < 700) return {Qt::Key_A + pick(26), QString(QChar('A' + pick(26))), Qt::ShiftModifier};
        if (r < 760) {
            const QChar c('0' + pick(10));
            return {Qt::Key_0 + (c.unicode() - '0'), QString(c), Qt::NoModifier};
        }
        if (r < 800) return {Qt::Key_Space, QStringLiteral(" "), Qt::NoModifier};
        if (r < 850) return {Qt::Key_Backspace, QStringLiteral("\b"), Qt::NoModifier};
        if (r < 865) return {Qt::Key_Delete, QString(), Qt::NoModifier};
        if (r < 905) {
            static const int moves[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End, Qt::Key_Up, Qt::Key_Down};
            return {moves[pick(6)], QString(), chance(0.2) ? Qt::ShiftModifier : Qt::NoModifier};
        }
        if (r < 945) return {Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier};
        if (r < 950) return {Qt::Key_Tab, QStringLiteral("\t"), Qt::NoModifier};
        if (r < 965) {
            static const int silent[] = {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_CapsLock};
            return {silent[pick(4)], QString(), Qt::NoModifier};
        }
        if (r < 990) {
            static const int edits[] = {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z, Qt::Key_Y};
            const int k = edits[pick(6)];
            return {k, QString(QChar(k - Qt::Key_A + 1)), Qt::ControlModifier};
        }
        // Escape ends a practice: rare, so that most exercises run into their limit.
        if (r < 991 && chance(0.05)) return {Qt::Key_Escape, QStringLiteral("\x1b"), Qt::NoModifier};
        static const char punct[] = ",.;'/[]-=`\\";
        const QChar c = QChar::fromLatin1(punct[pick(static_cast<int>(sizeof punct) - 1)]);
        return {0, QString(c), Qt::NoModifier};
    }

    static int keyFor(QChar c) {
        const ushort u = c.toLower().unicode();
        if (u >= 'a' && u <= 'z') return Qt::Key_A + (u - 'a');
        if (u >= '0' && u <= '9') return Qt::Key_0 + (u - '0');
        if (u == ' ') return Qt::Key_Space;
        return 0;
    }

    void sendKey(QWidget* w, QEvent::Type type, int key, const QString& text, bool repeat, bool xlike,
                 Qt::KeyboardModifiers mods = Qt::NoModifier, quint64 time = 0) {
        // Events as X delivers them carry a scan code and a time; synthesised ones do not.
        const quint32 scan = xlike ? static_cast<quint32>(8 + (key & 0xFF)) : 0;
        QKeyEvent e(type, key, mods, scan, xlike ? static_cast<quint32>(key) : 0, 0, text, repeat);
        if (xlike) e.setTimestamp(time ? time : ++clockMs_);
        QApplication::sendEvent(w, &e);
    }

    void key() {
        ++counts.keys;
        const KeySpec k = randomKey();
        QWidget* w = target();
        const bool xlike = chance(0.3);
        const int form = pick(10);
        if (form < 7) {
            sendKey(w, QEvent::KeyPress, k.key, k.text, false, xlike, k.mods);
            sendKey(target(), QEvent::KeyRelease, k.key, k.text, false, xlike, k.mods);
        } else if (form < 8) {
            // Held down: repeats as presses only, or as X's release and press pairs.
            sendKey(w, QEvent::KeyPress, k.key, k.text, false, xlike, k.mods);
            for (int n = 1 + pick(4); n > 0; --n) {
                if (xlike && chance(0.5)) {
                    const quint64 t = ++clockMs_;
                    sendKey(target(), QEvent::KeyRelease, k.key, k.text, chance(0.5), true, k.mods, t);
                    sendKey(target(), QEvent::KeyPress, k.key, k.text, chance(0.5), true, k.mods, t);
                } else {
                    sendKey(target(), QEvent::KeyPress, k.key, k.text, true, xlike, k.mods);
                }
            }
            sendKey(target(), QEvent::KeyRelease, k.key, k.text, false, xlike, k.mods);
        } else if (form < 9) {
            // Two keys overlapping: the second goes down before the first comes up.
            const KeySpec k2 = randomKey();
            sendKey(w, QEvent::KeyPress, k.key, k.text, false, xlike, k.mods);
            sendKey(target(), QEvent::KeyPress, k2.key, k2.text, false, xlike, k2.mods);
            sendKey(target(), QEvent::KeyRelease, k.key, k.text, false, xlike, k.mods);
            sendKey(target(), QEvent::KeyRelease, k2.key, k2.text, false, xlike, k2.mods);
            ++counts.keys;
        } else {
            // A lone press or a lone release (the other half went to another window).
            sendKey(w, chance(0.5) ? QEvent::KeyPress : QEvent::KeyRelease, k.key, k.text, false, xlike, k.mods);
        }
    }

    // A click somewhere on the panel (on what lies there), or on one of its buttons.
    void click() {
        ++counts.clicks;
        QWidget* p = panel();
        if (!p->isVisible()) return;
        QWidget* w = nullptr;
        QPoint at;
        if (chance(0.02)) {
            const QList<QAbstractButton*> buttons = p->findChildren<QAbstractButton*>();
            std::vector<QAbstractButton*> visible;
            for (QAbstractButton* b : buttons)
                if (b->isVisible()) visible.push_back(b);
            if (!visible.empty()) {
                w = among(visible);
                at = w->rect().center();
            }
        }
        if (!w) {
            const QPoint inPanel(pick(p->width()), pick(p->height()));
            w = p->childAt(inPanel);
            if (!w) w = p;
            at = w->mapFrom(p, inPanel);
        }
        const Qt::MouseButton button = chance(0.9) ? Qt::LeftButton : Qt::RightButton;
        if (chance(0.1))
            QTest::mouseDClick(w, button, {}, at);
        else
            QTest::mouseClick(w, button, {}, at);
    }

    // A context menu opens and is closed at once, from inside its own loop when it
    // runs one; the main window then takes the keys again, as after a real menu.
    void contextMenu() {
        ++counts.menus;
        QWidget* w = target();
        auto closeMenus = [] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (top->isVisible() && (top->windowFlags() & Qt::Popup) == Qt::Popup) top->close();
        };
        QTimer::singleShot(0, closeMenus);
        QContextMenuEvent e(QContextMenuEvent::Keyboard, w->rect().center(), w->mapToGlobal(w->rect().center()));
        QApplication::sendEvent(w, &e);
        closeMenus();
        if (QApplication::activeWindow() != tf_.form.get()) {
            tf_.form->activateWindow();
            QCoreApplication::processEvents();
        }
    }

    // The clock moves on by up to 59 seconds and every running exercise timer ticks.
    void tick() {
        ++counts.ticks;
        const int r = pick(100);
        tf_.clock.advanceSeconds(r < 60 ? 1 : r < 90 ? pick(10) : pick(60));
        MainWindow& f = *tf_.form;
        if (f.chinesePanel()->timer()->isActive()) f.chinesePanel()->onTimer();
        if (f.englishPanel()->timer()->isActive()) f.englishPanel()->onTimer();
        if (f.radicalPanel()->timer()->isActive()) f.radicalPanel()->onTimer();
        if (f.wordPanel()->timer()->isActive()) f.wordPanel()->onTimer();
    }

    // The settings file holds eleven readable lines whenever the panel closes: the
    // user's own once 确定 has written it, the shipped default before.
    std::vector<QByteArray> savedLines() {
        const QString own = tf_.home() + QStringLiteral("/.config/jaxo/sysctr.jxo");
        QFile f(QFile::exists(own) ? own : tf_.file(QStringLiteral("sysctr.jxo")));
        if (!f.open(QIODevice::ReadOnly)) {
            fail(QStringLiteral("the settings file cannot be read"));
            return {};
        }
        std::vector<QByteArray> lines;
        for (const QByteArray& l : f.readAll().split('\n'))
            if (!l.isEmpty()) lines.push_back(l.endsWith('\r') ? l.chopped(1) : l);
        return lines;
    }

    void checkSavedSettings() {
        const std::vector<QByteArray> lines = savedLines();
        if (lines.size() != 11) {
            fail(QStringLiteral("the settings file has %1 lines").arg(lines.size()));
            return;
        }
        int v = 0;
        for (size_t i = 0; i < 3; ++i)
            if (!settings::toInt(lines[i].toStdString(), v)) fail(QStringLiteral("a saved limit is no number: ") + QString::fromLatin1(lines[i]));
        for (size_t i = 3; i < 11; ++i)
            if (lines[i] != "true" && lines[i] != "false") fail(QStringLiteral("a saved switch is neither true nor false"));
        if (!tf_.messages.errors.isEmpty()) {
            for (const QString& e : tf_.messages.errors)
                if (!e.startsWith(QStringLiteral("请在"))) fail(QStringLiteral("an error was shown: ") + e);
            tf_.messages.errors.clear();
        }
        ++counts.saves;
    }

    // Opened again, the panel shows what the file holds: the limits and the six
    // music and sound switches.
    void checkPanelShowsSaved() {
        const std::vector<QByteArray> lines = savedLines();
        if (lines.size() != 11) return;
        for (int i = 0; i < 3; ++i) {
            int v = 0;
            settings::toInt(lines[static_cast<size_t>(i)].toStdString(), v);
            if (tf_.find<QLineEdit>(QStringLiteral("Edit%1").arg(i + 1))->text() != QString::number(v))
                fail(QStringLiteral("limit %1 shows other than was saved").arg(i + 1));
        }
        for (int i = 0; i < 6; ++i)
            if (tf_.find<QCheckBox>(QStringLiteral("CheckBox%1").arg(i + 1))->isChecked() != (lines[static_cast<size_t>(3 + i)] == "true"))
                fail(QStringLiteral("switch %1 shows other than was saved").arg(i + 1));
    }

    TestForm& tf_;
    const Kind& kind_;
    std::mt19937_64 rng_;
    QString fault_;
    int eventIndex_ = 0;
    int reportsSinceStart_ = 0;
    quint64 clockMs_ = 1000;
};

}  // namespace

class TestStorm : public QObject {
    Q_OBJECT
private slots:
    // Found by storms: the toolkit places the caret from its layout of the line, which
    // still holds a pre-edit that no input method took back; the caret could then stand
    // past the end of the text, and Backspace read outside it.
    void caretStaysInText_data() {
        QTest::addColumn<bool>("replaced");
        QTest::addColumn<QString>("afterBackspace");
        QTest::newRow("arrows to the right at the end") << false << QStringLiteral("ab");
        QTest::newRow("the text replaced, then a click behind it") << true << QString();
    }
    void caretStaysInText() {
        QFETCH(bool, replaced);
        QFETCH(QString, afterBackspace);
        QWidget window;
        auto* line = new KeyLineEdit(&window);
        line->setGeometry(0, 0, 120, 24);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        line->setFocus();
        line->setText(QStringLiteral("abc"));
        QInputMethodEvent e(QStringLiteral("wq"), {});
        QApplication::sendEvent(line, &e);
        if (replaced) {
            line->setText(QString());
            QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(110, 12));
        } else {
            QTest::keyClick(line, Qt::Key_Right);
            QTest::keyClick(line, Qt::Key_Right);
        }
        QVERIFY(line->cursorPosition() <= line->text().size());
        QTest::keyClick(line, Qt::Key_Backspace);
        QCOMPARE(line->text(), afterBackspace);
    }

    void storm_data() {
        QTest::addColumn<int>("kind");
        QTest::newRow("radical drill") << 0;
        QTest::newRow("Chinese lessons") << 1;
        QTest::newRow("Chinese tests") << 2;
        QTest::newRow("English lessons") << 3;
        QTest::newRow("English tests") << 4;
        QTest::newRow("vocabulary drill") << 5;
        QTest::newRow("settings panel") << 6;
    }

    void storm() {
        QFETCH(int, kind);
        static const Kind kinds[] = {
            {QStringLiteral("zgform"), {ExerciseId::RadicalDrill}},
            {QStringLiteral("chinapanel"),
             {ExerciseId::HighFrequency, ExerciseId::TwoKeyCodes, ExerciseId::ThreeKeyCodes, ExerciseId::TwoCharPhrases, ExerciseId::ThreeCharPhrases,
              ExerciseId::FourCharPhrases, ExerciseId::ChineseArticles}},
            {QStringLiteral("chinapanel"), {ExerciseId::ChineseTestFromStart, ExerciseId::ChineseTestAtRandom}},
            {QStringLiteral("englishform"), {ExerciseId::EnglishBeginner, ExerciseId::EnglishIntermediate, ExerciseId::EnglishAdvanced, ExerciseId::EnglishArticles}},
            {QStringLiteral("chinapanel"), {ExerciseId::EnglishTestFromStart, ExerciseId::EnglishTestAtRandom}},
            {QStringLiteral("bdcform"),
             {ExerciseId::PrimaryWords, ExerciseId::JuniorWords, ExerciseId::SeniorWords, ExerciseId::UniversityBand14Words, ExerciseId::UniversityBand56Words,
              ExerciseId::GmatWords, ExerciseId::GreWords, ExerciseId::ToeflWords, ExerciseId::Sentences}},
            {QStringLiteral("system"), {}},
        };
        const quint64 seed = seedFromEnvironment();
        const int events = eventCount();
        TestForm tf;
        tf.form->show();
        QVERIFY(QTest::qWaitForWindowActive(tf.form.get()));
        tf.messages.errors.clear();

        // The seed first: a crash must still name it.
        std::printf("storm %s: seed %llu\n", QTest::currentDataTag(), static_cast<unsigned long long>(seed));
        std::fflush(stdout);
        Watchdog dog(seed, 60);
        Storm storm(tf, kinds[kind], seed);
        QElapsedTimer took;
        took.start();
        const QString fault = storm.run(events, dog);
        const Counts& c = storm.counts;
        std::printf("storm %s: %d events in %.1f s: %lld keys, %lld commits, %lld pre-edits, %lld clicks, "
                    "%lld context menus, %lld ticks; %lld starts, %lld reports (%lld units, longest %lld min), %lld panel closes\n",
                    QTest::currentDataTag(), events, took.elapsed() / 1000.0,
                    c.keys, c.commits, c.preedits, c.clicks, c.menus, c.ticks, c.starts, c.reports, c.unitsReported,
                    c.longestMinutes, c.saves);
        std::fflush(stdout);
        QVERIFY2(fault.isEmpty(), qPrintable(fault + QStringLiteral(" (repeat with JAXO_STORM_SEED=%1)").arg(seed)));
        if (kind == 6)
            QVERIFY(c.saves > 0);
        else
            QVERIFY(c.reports > 0);
    }
};

QTEST_MAIN(TestStorm)
#include "test_storm.moc"
