// The real main window on a private program folder: start-up, the tool bar, hints,
// Enter, the About box and the system commands.
#include "widgets/keylineedit.h"
#include "app/aboutbox.h"
#include "chinese/chinesepanel.h"
#include "english/englishpanel.h"
#include "radicals/radicalpanel.h"
#include "support/testform.h"
#include "vocabulary/wordpanel.h"

#include <QApplication>
#include <algorithm>
#include <QLabel>
#include <QMenu>
#include <QAbstractButton>
#include <QPushButton>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {
void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QString statusHint(const TestForm& t) { return t.find<QLabel>(QStringLiteral("StatusPanel1"))->text(); }

void hover(QWidget* w) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(w, &enter);
}

bool anyTimerRunning(const TestForm& t) {
    return t.form->chinesePanel()->timer()->isActive() || t.form->englishPanel()->timer()->isActive() ||
           t.form->radicalPanel()->timer()->isActive() || t.form->wordPanel()->timer()->isActive();
}
}  // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void everyFilePresent() {
        TestForm t;
        MainWindow& f = *t.form;
        QCOMPARE(f.windowTitle(), QStringLiteral("Jaxo4.00中文打字练习软件..."));
        // Maximised or full screen, it may grow: a Wayland compositor ends a client whose
        // maximised window keeps a maximum size.
        QCOMPARE(f.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        QVERIFY(t.messages.errors.isEmpty());
        const Settings& cfg = f.settings();
        QCOMPARE(QString::fromStdString(f.appDirectory()), t.appDir());
        QCOMPARE(cfg.practiceMinutes, 10);
        QCOMPARE(cfg.testMinutes, 5);
        QCOMPARE(cfg.wordMinutes, 10);
        QVERIFY(cfg.mainMusic && cfg.keySound && cfg.startMenuShortcut);
        QVERIFY(f.sound().working());
        // The first draw of a run chooses the second piece.
        QCOMPARE(t.sound.played, std::vector<std::string>{t.file(QStringLiteral("music2.mid")).toStdString()});
        QVERIFY(QFile::exists(t.home() + QStringLiteral("/Desktop/Jaxo4.00.desktop")));
        QVERIFY(QFile::exists(t.home() + QStringLiteral("/.local/share/applications/Jaxo4.00.desktop")));
        QVERIFY(!anyTimerRunning(t));
        QVERIFY(f.codeBook(1).find(bytes::gb("中")) >= 0);
        QVERIFY(f.codeBook(4).find(bytes::gb("中国人民")) >= 0);
        QCOMPARE(f.toolBarTabs()->height(), 90);
        QVERIFY(f.toolBarTabs()->isEnabled());
        QCOMPARE(f.toolBarTabs()->currentIndex(), 0);
    }

    // Each start draws other lessons and test texts; the test seed repeats the fixed ones.
    void randomStartsDifferFromRunToRun_data() {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("英文初级") << int(ExerciseId::EnglishBeginner) << "englishtext1";
        QTest::newRow("中文随机测试") << int(ExerciseId::ChineseTestAtRandom) << "chinatext1";
    }
    void randomStartsDifferFromRunToRun() {
        QFETCH(int, exercise);
        QFETCH(QString, firstLine);
        TestForm t;
        const auto firstLineOfAStart = [&](std::uint64_t seed) {
            t.randomSeed = seed;
            t.build();
            t.form->startExercise(static_cast<ExerciseId>(exercise));
            return t.find<QLabel>(firstLine)->text();
        };
        const QString fixed = firstLineOfAStart(RandomSource::kFixedSeed);
        qunsetenv("JAXO_RANDOM_SEED");
        QSet<QString> seen;
        for (int run = 0; run < 4; ++run) seen.insert(firstLineOfAStart(RandomSource::startSeed()));
        QVERIFY2(seen.size() > 1, qPrintable(QStringList(seen.values()).join(QLatin1Char('|'))));
        qputenv("JAXO_RANDOM_SEED", "1");
        QCOMPARE(firstLineOfAStart(RandomSource::startSeed()), fixed);
        qunsetenv("JAXO_RANDOM_SEED");
    }

    void toolBarTabsAndButtons() {
        TestForm t;
        QTabWidget* m = t.form->toolBarTabs();
        const QStringList tabs = {"中文练习", "英文练习", " 测   试 ", " 背 单 词 ", " 系  统 "};
        QCOMPARE(m->count(), tabs.size());
        for (int i = 0; i < tabs.size(); ++i) QCOMPARE(m->tabText(i), tabs[i]);
        const QStringList buttons = {"m1a", "m1b", "m1c", "m1d", "m1e", "m1f", "m1h", "m2a", "m2b", "m2c",
                                     "m2d", "m2e", "m3a", "m3b", "m4a", "m4b", "m4e", "m4c", "m4d", "m4f",
                                     "m4g", "m4h", "m5a", "welcomeButton", "m5b", "m5c", "m5d", "targetsButton", "ownTextsButton", "m5e"};
        for (const QString& b : buttons) {
            auto* button = t.find<QToolButton>(b);
            QVERIFY2(button, qPrintable(b));
            QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
            QCOMPARE(button->height(), 54);
            QVERIFY2(!button->icon().isNull(), qPrintable(b + QStringLiteral(" has no picture")));
        }
        QCOMPARE(t.find<QToolButton>(QStringLiteral("m4a"))->width(), 69);
        QCOMPARE(t.find<QToolButton>(QStringLiteral("m1a"))->width(), 67);
        // The drop-down menus: items and separators in order.
        const QList<QPair<QString, QStringList>> menus = {
            {"czPopupMenu", {"二字词组", "", "三字词组", "", "四字词组"}},
            {"csPopupMenu2", {"顺序测试", "", "随机测试"}},
            {"csPopupMenu1", {"顺序测试", "", "随机测试"}},
            {"bdcmune", {"大学英语1-4级词汇", "", "大学英语5-6级词汇"}},
        };
        for (const auto& [name, items] : menus) {
            auto* menu = t.find<QMenu>(name);
            QVERIFY2(menu, qPrintable(name));
            QStringList seen;
            for (QAction* a : menu->actions()) seen << (a->isSeparator() ? QString() : a->text());
            QCOMPARE(seen, items);
        }
    }

    // The panel's buttons have their pictures by the time the panel shows.
    void panelButtonsHavePictures() {
        TestForm t;
        t.form->startExercise(ExerciseId::HighFrequency);
        for (const char* name : {"chinanextpage", "chinaexit", "exitexit", "sys1", "sys2", "sys3"}) {
            auto* b = t.find<QAbstractButton>(QString::fromLatin1(name));
            QVERIFY2(b, name);
            QVERIFY2(!b->icon().isNull(), name);
        }
    }

    void statusPanels() {
        TestForm t;
        QCOMPARE(t.find<QLabel>(QStringLiteral("StatusPanel0"))->text(), QStringLiteral("系统提示:"));
        QCOMPARE(statusHint(t), QString());
        const int widths[] = {60, 480, 100, 47, 50};
        for (int i = 0; i < 5; ++i) QCOMPARE(t.find<QLabel>(QStringLiteral("StatusPanel%1").arg(i))->width(), widths[i]);
    }

    void hints() {
        const char* rows[][2] = {
            {"m1a", "单击进入五笔字根练习..."},       {"m1b", "单击此键进入高频字练习状态..."},
            {"m1c", "单击此键进入二级简码练习状态..."}, {"m1d", "单击此键进入三级简码练习状态..."},
            {"m1e", "单击此键进入词组练习状态..."},     {"m1f", "单击此键进入文章练习状态..."},
            {"m1h", "单击进入中文智能练习：字按熟练程度逐个加入..."},
            {"m2a", "单击进入英文初级指法练习..."},     {"m2b", "单击进入英文中级指法练习..."},
            {"m2c", "单击进入英文高级指法练习..."},     {"m2d", "单击进入英文文章练习..."},
            {"m2e", "单击进入英文智能练习：键按熟练程度逐个加入..."},
            {"m3a", "单击进入中文测试选择菜单..."},     {"m3b", "单击进入英文测试选择菜单..."},
            {"m4a", "单击进入小学英文单词练习..."},     {"m4b", "单击进入初中英文单词练习..."},
            {"m4e", "单击进入高中英文单词练习..."},     {"m4c", "单击进入大学英文单词选择菜单..."},
            {"m4d", "单击进入GMAT单词练习..."},        {"m4f", "单击进入GRE单词练习..."},
            {"m4g", "单击进入托福600分单词练习..."},    {"m4h", "单击进入语句练习..."},
            {"m5a", "进入帮助系统..."},                {"m5b", "关于本软件的一点说明..."},
            {"m5c", "最小化系统..."},                  {"m5d", "单击此键可进行系统设置..."},
            {"m5e", "退出系统..."},                    {"backImage1", "欢迎使用Jaxo4.00中英文打字练习软件..."},
        };
        TestForm t;
        for (const auto& r : rows) {
            const QString control = QString::fromUtf8(r[0]);
            auto* w = t.find<QWidget>(control);
            QVERIFY2(w, r[0]);
            hover(w);
            QCOMPARE(statusHint(t), QString::fromUtf8(r[1]));
            // A control without a hint leaves it on show.
            hover(t.form->chinesePanel());
            QCOMPARE(statusHint(t), QString::fromUtf8(r[1]));
        }
    }

    void tabRowHint() {
        TestForm t;
        hover(t.form->toolBarTabs()->tabBar());
        QCOMPARE(statusHint(t), QStringLiteral("主菜单..."));
    }

    void missingCodeBook() {
        TestForm t({QStringLiteral("jaxo2.sy2")});
        QCOMPARE(t.messages.errors, QStringList{QStringLiteral("Cannot open file ") + t.file(QStringLiteral("jaxo2.sy2")) + QLatin1Char('.')});
        QVERIFY(!anyTimerRunning(t));
        QCOMPARE(t.form->codeBook(2).find(bytes::gb("中国")), -1);
        QVERIFY(t.form->codeBook(3).find(bytes::gb("中国人")) >= 0 || t.form->codeBook(1).find(bytes::gb("中")) >= 0);
        QVERIFY(t.form->toolBarTabs()->isEnabled());
    }

    void badSettingsLine() {
        TestForm t({}, [](const QString& dir) { writeFile(dir + QStringLiteral("/sysctr.jxo"), "10\r\nabc\r\n10\r\ntrue\r\ntrue\r\n"); });
        QCOMPARE(t.messages.errors, QStringList{QStringLiteral("'abc' is not a valid integer value.")});
        QCOMPARE(t.form->settings().practiceMinutes, 10);
        QVERIFY(t.sound.played.empty());  // the music step was not reached
        QVERIFY(!QFile::exists(t.home() + QStringLiteral("/Desktop/Jaxo4.00.desktop")));
        QVERIFY(!anyTimerRunning(t));
    }

    void missingSettingsFile() {
        TestForm t({QStringLiteral("sysctr.jxo")});
        QCOMPARE(t.messages.errors, QStringList{QStringLiteral("Cannot open file ") + t.file(QStringLiteral("sysctr.jxo")) + QLatin1Char('.')});
        QCOMPARE(t.form->settings().practiceMinutes, 10);  // the default, never a limit of 0
        QVERIFY(t.sound.played.empty());  // every switch off: no music
        QVERIFY(!QFile::exists(t.file(QStringLiteral("sysctr.jxo"))));  // not created at start-up
        QVERIFY(!QFile::exists(t.home() + QStringLiteral("/.config/jaxo/sysctr.jxo")));
    }

    // A limit out of range in the file: one message at start-up, the default is used,
    // and start-up goes on (music, launchers).
    void outOfRangeLimitReportedOnce() {
        TestForm t({}, [](const QString& dir) {
            writeFile(dir + QStringLiteral("/sysctr.jxo"), "0\r\n60\r\n-1\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\n");
        });
        QCOMPARE(t.messages.errors.size(), 1);
        const QString m = t.messages.errors.front();
        QVERIFY2(m.contains(QStringLiteral("练习时间")) && m.contains(QStringLiteral("背单词时间")), qPrintable(m));
        QVERIFY2(!m.contains(QStringLiteral("测试时间")), qPrintable(m));
        const Settings& cfg = t.form->settings();
        QCOMPARE(cfg.practiceMinutes, 10);
        QCOMPARE(cfg.testMinutes, 60);
        QCOMPARE(cfg.wordMinutes, 10);
        QCOMPARE(t.sound.played.size(), size_t(1));
        QVERIFY(QFile::exists(t.home() + QStringLiteral("/Desktop/Jaxo4.00.desktop")));
    }

    // Installed, the menu lists the program from the system's launcher: no second one
    // in the user's menu. The desktop launcher starts this very program.
    void installedLauncherKeepsTheUserMenuFree() {
        TestForm t({}, [](const QString& dir) {
            const QString system = QString::fromLocal8Bit(qgetenv("XDG_DATA_DIRS")) + QStringLiteral("/applications");
            QDir().mkpath(system);
            QFile(system + QStringLiteral("/io.github.jaxo.Jaxo.desktop")).open(QIODevice::WriteOnly);
            Q_UNUSED(dir);
        });
        QVERIFY(!QFile::exists(t.home() + QStringLiteral("/.local/share/applications/Jaxo4.00.desktop")));
        QFile desktop(t.home() + QStringLiteral("/Desktop/Jaxo4.00.desktop"));
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        const QByteArray text = desktop.readAll();
        QVERIFY2(text.contains("\nExec=\"" + QCoreApplication::applicationFilePath().toUtf8() + "\"\n"), text.constData());
        QVERIFY(text.contains("\nIcon=" + t.file(QStringLiteral("jaxo.png")).toUtf8() + "\n"));
    }

    // The exercises whose keys click have the sound output ready before their first
    // key; the Chinese lines have no click. Back on the main screen it is let go.
    void keysThatClickHoldTheOutputOpen_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("held");
        QTest::newRow("English practice clicks") << "m2a" << true;
        QTest::newRow("the radical drill clicks") << "m1a" << true;
        QTest::newRow("the vocabulary drill clicks") << "m4a" << true;
        QTest::newRow("Chinese practice has no click") << "m1b" << false;
    }
    void keysThatClickHoldTheOutputOpen() {
        QFETCH(QString, button);
        QFETCH(bool, held);
        TestForm t;
        t.find<QToolButton>(button)->click();
        QCOMPARE(std::count(t.sound.keptOpen.begin(), t.sound.keptOpen.end(), true), held ? 1 : 0);
        t.form->restoreMainScreen();
        QVERIFY(!t.sound.keptOpen.empty());
        QCOMPARE(t.sound.keptOpen.back(), false);
    }

    void noSoundDeviceIsSilentAndQuiet() {
        TestForm t;
        t.sound.devices = 0;
        t.sound.played.clear();
        t.build();
        QVERIFY(!t.form->sound().working());
        QVERIFY(t.sound.played.empty());
        QVERIFY(t.messages.errors.isEmpty());
    }

    // Music that cannot play is reported once the exercise has started whole: its clock
    // stamped, its panel shown, so no tick behind the message runs on a stale start.
    void musicFailureReportedAfterTheStart() {
        TestForm t;
        t.sound.failWith = QStringLiteral("Cannot open file x/music2.mid");
        t.clock.set(9, 52, 0);
        bool startedWhole = false;
        t.messages.duringError = [&] {
            startedWhole = !t.form->englishPanel()->isHidden() && t.form->englishPanel()->score().startMs == t.clock.now &&
                           t.form->englishPanel()->timer()->isActive();
        };
        t.form->startExercise(ExerciseId::EnglishBeginner);
        QVERIFY(t.messages.errors.isEmpty());
        QTRY_COMPARE(t.messages.errors.size(), 1);
        QVERIFY(startedWhole);
    }

    void launchersRewrittenOnSecondStart() {
        TestForm t;
        const QString file = t.home() + QStringLiteral("/Desktop/Jaxo4.00.desktop");
        writeFile(file, "stale");
        t.build();
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll().startsWith("[Desktop Entry]"));
        QCOMPARE(QDir(t.home() + QStringLiteral("/Desktop")).entryList(QDir::Files).size(), 1);
    }

    void toolBarStates() {
        TestForm t;
        t.form->collapseToolBar();
        QCOMPARE(t.form->toolBarTabs()->height(), 25);
        QVERIFY(!t.form->toolBarTabs()->isEnabled());
        t.sound.played.clear();
        t.form->restoreMainScreen();
        QCOMPARE(t.form->toolBarTabs()->height(), 90);
        QVERIFY(t.form->toolBarTabs()->isEnabled());
        QCOMPARE(t.sound.played.size(), size_t(1));  // main music as set
    }

    void enterWalksTheFocus() {
        TestForm t;
        t.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
        QWidget* desk = t.find<QWidget>(QStringLiteral("desk"));
        // Off, as while an exercise runs: on the main screen its tabs and buttons are
        // stops of the walk too.
        t.form->setToolBarEnabled(false);
        KeyLineEdit* a = new KeyLineEdit(desk);
        KeyLineEdit* b = new KeyLineEdit(desk);
        KeyLineEdit* hidden = new KeyLineEdit(desk);
        KeyLineEdit* disabled = new KeyLineEdit(desk);
        KeyLineEdit* c = new KeyLineEdit(desk);
        for (auto* e : {a, b, hidden, disabled, c}) e->show();
        hidden->hide();
        disabled->setEnabled(false);
        QString log;
        a->onKeyDown = [&](QKeyEvent*) { log += QLatin1Char('D'); };
        a->onKeyPress = [&](QKeyEvent*, int) {
            log += QLatin1Char('P');
            return true;
        };
        b->onKeyUp = [&](QKeyEvent*) { log += QLatin1Char('U'); };
        a->setFocus();
        QTest::keyPress(a, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), b);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
        // The key-down reaches the line, the character does not, the release reaches the next line.
        QCOMPARE(log, QStringLiteral("DU"));
        QTest::keyClick(b, Qt::Key_Enter);
        QCOMPARE(QApplication::focusWidget(), c);  // hidden and disabled skipped
        QTest::keyClick(c, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), a);  // wraps
        // The only such control keeps the focus.
        b->hide();
        c->hide();
        QTest::keyClick(a, Qt::Key_Return);
        QCOMPARE(QApplication::focusWidget(), a);
        QVERIFY(a->text().isEmpty());
    }

    void aboutBox() {
        TestForm t;
        QString title;
        QSize size;
        QStringList texts;
        bool okDefault = false;
        t.onModal = [&](QDialog& d) {
            title = d.windowTitle();
            size = d.size();
            for (const char* n : {"a", "b", "e"}) texts << d.findChild<QLabel*>(QString::fromLatin1(n))->text();
            auto* ok = d.findChild<QPushButton*>(QStringLiteral("OKButton"));
            okDefault = ok->isDefault() && ok->text() == QStringLiteral("确定");
            // A click on the panel closes the box.
            QTest::mouseClick(d.findChild<QWidget*>(QStringLiteral("Panel1")), Qt::LeftButton, {}, QPoint(390, 190));
            QCOMPARE(d.result(), int(QDialog::Accepted));
        };
        t.form->openAbout();
        QCOMPARE(t.modalCount, 1);
        QCOMPARE(t.lastModal, QStringLiteral("aboutform"));
        QCOMPARE(title, QStringLiteral("关于..."));
        QCOMPARE(size, QSize(420, 290));
        QCOMPARE(texts, (QStringList{"Jaxo中英文打字练习软件", "Version 4.00", "欢迎使用JAXO4.00中文打字练习软件"}));
        QVERIFY(okDefault);
    }

    void aboutBoxLabelTurnsBlue() {
        TestForm t;
        QColor over, overStill, away;
        bool openAfterTextClick = false;
        t.onModal = [&](QDialog& d) {
            auto* e = d.findChild<QLabel*>(QStringLiteral("e"));
            auto* panel = d.findChild<QWidget*>(QStringLiteral("Panel1"));
            hover(e);
            over = e->palette().color(QPalette::WindowText);
            // The move over e passes on to the panel as well: the colour stays.
            QTest::mouseMove(e, QPoint(5, 5));
            QMouseEvent move(QEvent::MouseMove, e->geometry().center(), e->mapToGlobal(QPoint(5, 5)), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(panel, &move);
            overStill = e->palette().color(QPalette::WindowText);
            QMouseEvent moveAway(QEvent::MouseMove, QPoint(5, 190), panel->mapToGlobal(QPoint(5, 190)), Qt::NoButton,
                                 Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(panel, &moveAway);
            away = e->palette().color(QPalette::WindowText);
            // e has no click action: the box stays open.
            QTest::mouseClick(e, Qt::LeftButton);
            openAfterTextClick = d.result() == 0;
        };
        t.form->openAbout();
        QCOMPARE(over, QColor(Qt::blue));
        QCOMPARE(overStill, QColor(Qt::blue));
        QVERIFY(away != QColor(Qt::blue));
        QVERIFY(openAfterTextClick);
    }

    void helpOpensTheDocument() {
        TestForm t;
        t.form->openHelp();
        QCOMPARE(t.shell.opened, QStringList{t.file(QStringLiteral("help/index.html"))});
        t.form->show();
        QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
        QTest::keyClick(t.form.get(), Qt::Key_F1);
        QCOMPARE(t.shell.opened.size(), 2);
        QVERIFY(QFile::exists(t.file(QStringLiteral("help/index.html"))));
    }

    // The welcome opens by itself once per user, never where a test harness turns it
    // off, and again from its button; every part is named and reached by Tab.
    void welcomeOnceThenFromItsButton() {
        TestForm t;
        QStringList reached;
        int helps = 0;
        t.onModal = [&](QDialog& d) {
            d.show();
            QTRY_COMPARE(QApplication::activeWindow(), &d);
            for (int i = 0; i < 12; ++i) {
                QWidget* w = QApplication::focusWidget();
                const auto* b = qobject_cast<QAbstractButton*>(w);
                QVERIFY2(!w->accessibleName().isEmpty() || (b && !b->text().isEmpty()), qPrintable(w->objectName()));
                if (!reached.contains(w->objectName())) reached << w->objectName();
                QTest::keyClick(w, Qt::Key_Tab);
            }
            auto* help = d.findChild<QPushButton*>(QStringLiteral("welcomeHelp"));
            help->setFocus();
            QTest::keyClick(help, Qt::Key_Space);
            helps = static_cast<int>(t.shell.opened.size());
        };
        const QString marker = t.home() + QStringLiteral("/.config/jaxo/welcome");
        qputenv("JAXO_NO_WELCOME", "1");
        t.form->offerWelcome();
        QCOMPARE(t.modalCount, 0);
        qunsetenv("JAXO_NO_WELCOME");
        t.form->show();
        t.form->offerWelcome();
        QCOMPARE(t.modalCount, 1);
        QCOMPARE(t.lastModal, QStringLiteral("welcome"));
        QVERIFY(QFile::exists(marker));
        // Its own small file: the settings stay the shipped ones until 确定.
        QVERIFY(!QFile::exists(t.home() + QStringLiteral("/.config/jaxo/sysctr.jxo")));
        for (const char* name : {"welcomeStart", "welcomeFingers", "homeRowPicture", "welcomeInput", "welcomeResults",
                                 "welcomeHelp", "welcomeClose"})
            QVERIFY2(reached.contains(QString::fromLatin1(name)), qPrintable(reached.join(QLatin1Char(','))));
        QCOMPARE(helps, 1);
        QVERIFY(t.shell.opened.last().endsWith(QStringLiteral("help/index.html")));
        // A second start: not again by itself.
        t.build();
        t.form->offerWelcome();
        QCOMPARE(t.modalCount, 1);
        t.find<QToolButton>(QStringLiteral("welcomeButton"))->click();
        QCOMPARE(t.modalCount, 2);
    }

    void exitClosesTheWindow() {
        TestForm t;
        t.form->show();
        QVERIFY(t.form->isVisible());
        t.form->quitProgram();
        QVERIFY(!t.form->isVisible());
    }

    void dropDownButtonStartsNothing() {
        TestForm t;
        auto* m4c = t.find<QToolButton>(QStringLiteral("m4c"));
        QCOMPARE(m4c->popupMode(), QToolButton::InstantPopup);
        QVERIFY(m4c->menu());
        QVERIFY(!t.form->wordPanel()->isVisible());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
