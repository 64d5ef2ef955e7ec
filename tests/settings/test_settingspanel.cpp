// The settings panel in the real main window: opening, "预设", "取消", "确定", the digit
// filter, refusing a time that could not be read back, a folder that cannot be written,
// a start-up without the settings file, and sound failures at start-up.
#include "widgets/keylineedit.h"
#include "settings/settingspanel.h"
#include "chinese/chinesepanel.h"
#include "support/testform.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QByteArray settingsText(const QStringList& lines) { return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toLatin1(); }

bool canWriteInto(const QString& dir) {
    QFile probe(dir + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.remove();
    return true;
}

// A folder made immutable (chattr +i) for the length of a test, undone however it ends.
struct Immutable {
    QString dir;
    bool on = false;
    ~Immutable() {
        if (on) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), dir});
    }
};

// A small file system of its own in place of the program folder, for the length of a
// test: the folder's files are moved onto it. Mounting needs root, as CI runs.
struct SmallDisk {
    QString dir;
    bool mounted = false;
    QString why;  // why there is none
    SmallDisk(const QString& folder, const QString& options) : dir(folder) {
        if (geteuid() != 0) {
            why = QStringLiteral("mounting a small tmpfs needs root (CI runs as root)");
            return;
        }
        const QString away = dir + QStringLiteral(".files");
        if (!QDir().rename(dir, away) || !QDir().mkdir(dir)) {
            why = QStringLiteral("cannot move the folder aside");
            return;
        }
        mounted = QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                              options, QStringLiteral("jaxotest"), dir}) == 0;
        if (!mounted) why = QStringLiteral("mount -t tmpfs failed");
        QDir files(away);
        for (const QFileInfo& fi : files.entryInfoList(QDir::Files | QDir::NoDotAndDotDot))
            QFile::rename(fi.filePath(), dir + QLatin1Char('/') + fi.fileName());
        files.removeRecursively();
    }
    ~SmallDisk() {
        if (mounted) QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), dir});
    }
    // Fills the disk: blocks until a write fails, or file entries until none is left.
    void fill(bool entries) const {
        if (entries) {
            for (int i = 0; i < 100000; ++i) {
                QFile f(dir + QStringLiteral("/entry%1").arg(i));
                if (!f.open(QIODevice::WriteOnly)) return;
            }
            return;
        }
        QFile f(dir + QStringLiteral("/filler"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return;
        const QByteArray block(4096, 'x');
        while (f.write(block) == block.size()) {
        }
    }
    void freeSpace() const {
        QDir d(dir);
        for (const QString& n : d.entryList({QStringLiteral("filler"), QStringLiteral("entry*")}, QDir::Files)) d.remove(n);
    }
};

const QByteArray kDefaults = settingsText({"10", "5", "10", "true", "true", "true", "true", "true", "true", "true", "true"});

struct Panel {
    explicit Panel(TestForm& form) : t(form) {}
    TestForm& t;
    // The user's settings file; the one in the program folder is only the default.
    QString userFile() const { return t.home() + QStringLiteral("/.config/jaxo/sysctr.jxo"); }
    QString shippedFile() const { return t.file(QStringLiteral("sysctr.jxo")); }
    SettingsPanel* panel() const { return t.find<SettingsPanel>(QStringLiteral("system")); }
    KeyLineEdit* edit(int n) const { return t.find<KeyLineEdit>(QStringLiteral("Edit%1").arg(n)); }
    QCheckBox* box(int n) const { return t.find<QCheckBox>(QStringLiteral("CheckBox%1").arg(n)); }
    QTabWidget* pages() const { return t.find<QTabWidget>(QStringLiteral("PageControl1")); }
    void press(const char* name) const { t.find<QPushButton>(QString::fromLatin1(name))->click(); }
    void open() const { t.form->openSettings(); }
    bool shown() const { return !panel()->isHidden(); }
    bool toolBarEnabled() const { return t.form->toolBarTabs()->isEnabled(); }
    QStringList edits() const { return {edit(1)->text(), edit(2)->text(), edit(3)->text()}; }
    QList<bool> boxes() const {
        QList<bool> b;
        for (int i = 1; i <= 8; ++i) b << box(i)->isChecked();
        return b;
    }
};

QList<bool> all(bool on) { return QList<bool>(8, on); }

}  // namespace

class TestSettingsPanel : public QObject {
    Q_OBJECT
private slots:
    void openingShowsTheSettingsInMemory() {
        TestForm t({}, [](const QString& app) {
            QFile f(app + QStringLiteral("/sysctr.jxo"));
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            // Not exactly "true": off.
            f.write(settingsText({"7", "1", "123", "true", "true", "false", "true", "true", "True", "true", "true"}));
        });
        Panel p(t);
        QVERIFY(!p.shown());
        p.open();
        QVERIFY(p.shown());
        QVERIFY(!p.toolBarEnabled());
        QCOMPARE(t.form->toolBarTabs()->height(), 90);
        QCOMPARE(p.edits(), QStringList({"7", "1", "123"}));
        QCOMPARE(p.boxes(), QList<bool>({true, true, false, true, true, false, true, true}));
        QCOMPARE(p.pages()->currentIndex(), 0);
    }

    void defaultsThenCancelChangeNothing() {
        TestForm t({}, [](const QString& app) {
            QFile f(app + QStringLiteral("/sysctr.jxo"));
            f.open(QIODevice::WriteOnly | QIODevice::Truncate);
            f.write(settingsText({"3", "2", "1", "false", "true", "false", "true", "false", "true", "false", "true"}));
        });
        Panel p(t);
        const size_t played = t.sound.played.size();
        p.open();
        p.press("sys1");
        QCOMPARE(p.edits(), QStringList({"10", "5", "10"}));
        QCOMPARE(p.boxes(), all(true));
        QVERIFY(p.shown());  // "预设" saves nothing and stays open
        p.press("sys3");
        QVERIFY(!p.shown());
        QVERIFY(p.toolBarEnabled());
        QVERIFY(!QFile::exists(p.userFile()));
        QCOMPARE(t.form->settings().practiceMinutes, 3);
        QVERIFY(!t.form->settings().mainMusic);
        QCOMPARE(t.sound.played.size(), played);
        p.open();  // the stored values again, not the defaults
        QCOMPARE(p.edits(), QStringList({"3", "2", "1"}));
        QCOMPARE(p.boxes(), QList<bool>({false, true, false, true, false, true, false, true}));
    }

    void confirmWritesReadsBackAndSetsTheMusic_data() {
        QTest::addColumn<bool>("mainMusic");
        QTest::newRow("main music on: a newly drawn piece") << true;
        QTest::newRow("main music off: stopped") << false;
    }
    void confirmWritesReadsBackAndSetsTheMusic() {
        QFETCH(bool, mainMusic);
        TestForm t;
        Panel p(t);
        const size_t played = t.sound.played.size();
        const int stops = t.sound.stops;
        p.open();
        p.edit(1)->setText(QStringLiteral("12"));
        p.edit(2)->setText(QStringLiteral("3"));
        p.edit(3)->setText(QStringLiteral("60"));
        p.box(1)->setChecked(mainMusic);
        p.box(3)->setChecked(false);
        p.box(5)->setChecked(false);
        p.press("sys2");
        QVERIFY(!p.shown());
        QVERIFY(p.toolBarEnabled());
        const char* m = mainMusic ? "true" : "false";
        QCOMPARE(readFile(p.shippedFile()), kDefaults);  // the program folder is never written
        QCOMPARE(readFile(p.userFile()),
                 settingsText({"12", "3", "60", m, "true", "false", "true", "false", "true", "true", "true"}));
        const Settings& cfg = t.form->settings();
        QCOMPARE(cfg.practiceMinutes, 12);
        QCOMPARE(cfg.testMinutes, 3);
        QCOMPARE(cfg.wordMinutes, 60);
        QCOMPARE(cfg.mainMusic, mainMusic);
        QVERIFY(!cfg.englishMusic && !cfg.wordMusic && cfg.testMusic);
        QCOMPARE(t.sound.played.size(), played + (mainMusic ? 1 : 0));
        QCOMPARE(t.sound.playing, mainMusic);
        QVERIFY(t.sound.stops > stops);
        QVERIFY(t.messages.errors.isEmpty());
    }

    // Every confirmation restarts the main music, even when nothing changed.
    void everyConfirmationRestartsTheMusic() {
        TestForm t;
        Panel p(t);
        const size_t played = t.sound.played.size();
        for (int i = 1; i <= 3; ++i) {
            p.open();
            p.press("sys2");
            QCOMPARE(t.sound.played.size(), played + size_t(i));
        }
    }

    void clearingTheKeySoundStopsClicksAtTheNextKey() {
        TestForm t;
        Panel p(t);
        t.form->sound().playKeySound();
        QCOMPARE(t.sound.clicks.size(), size_t(1));
        p.open();
        p.box(6)->setChecked(false);
        p.press("sys2");
        QCOMPARE(readFile(p.userFile()).split('\n').at(8), QByteArray("false\r"));
        t.form->sound().playKeySound();
        QCOMPARE(t.sound.clicks.size(), size_t(1));
        p.open();
        p.box(6)->setChecked(true);
        p.press("sys2");
        t.form->sound().playKeySound();
        QCOMPARE(t.sound.clicks.size(), size_t(2));
    }

    // The launcher boxes reach the file and, reopened, show what was saved; the
    // launchers themselves are written at the next start.
    void launcherBoxesShowWhatWasSaved() {
        TestForm t;
        Panel p(t);
        const QString menuLauncher = t.home() + QStringLiteral("/.local/share/applications/Jaxo4.00.desktop");
        QVERIFY(QFile::remove(menuLauncher));
        p.open();
        p.box(7)->setChecked(false);
        p.box(8)->setChecked(false);
        p.press("sys2");
        const QList<QByteArray> lines = readFile(p.userFile()).split('\n');
        QCOMPARE(lines.at(9), QByteArray("false\r"));
        QCOMPARE(lines.at(10), QByteArray("false\r"));
        p.open();
        QVERIFY(!p.box(7)->isChecked());
        QVERIFY(!p.box(8)->isChecked());
        p.press("sys2");  // a second confirmation keeps them off
        QCOMPARE(readFile(p.userFile()).split('\n').at(10), QByteArray("false\r"));
        p.open();
        p.box(8)->setChecked(true);
        p.press("sys2");
        QVERIFY(!QFile::exists(menuLauncher));  // not before the next start
        t.build();
        QVERIFY(!t.form->settings().desktopShortcut);
        QVERIFY(t.form->settings().startMenuShortcut);
        QVERIFY(QFile::exists(menuLauncher));
    }

    // Each control saves to its own line of the file and shows it again on reopening.
    void eachControlHasItsLine_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("line");
        QTest::newRow("Edit1: line 1") << "Edit1" << 1;
        QTest::newRow("Edit2: line 2") << "Edit2" << 2;
        QTest::newRow("Edit3: line 3") << "Edit3" << 3;
        for (int n = 1; n <= 8; ++n)
            QTest::addRow("CheckBox%d: line %d", n, n + 3) << QStringLiteral("CheckBox%1").arg(n) << n + 3;
    }
    void eachControlHasItsLine() {
        QFETCH(QString, control);
        QFETCH(int, line);
        TestForm t;
        Panel p(t);
        p.open();
        QStringList expected = {"10", "5", "10", "true", "true", "true", "true", "true", "true", "true", "true"};
        if (auto* e = t.form->findChild<KeyLineEdit*>(control)) {
            e->setText(QStringLiteral("77"));
            expected[line - 1] = QStringLiteral("77");
        } else {
            t.find<QCheckBox>(control)->setChecked(false);
            expected[line - 1] = QStringLiteral("false");
        }
        p.press("sys2");
        QCOMPARE(readFile(p.userFile()), settingsText(expected));
        p.open();
        QCOMPARE(QStringList(p.edits() + [&] {
                     QStringList b;
                     for (bool on : p.boxes()) b << (on ? QStringLiteral("true") : QStringLiteral("false"));
                     return b;
                 }()),
                 expected);
    }

    // A confirmed setting is the user's: a new default in the program folder (a
    // rebuild or an upgrade) does not change it.
    void newShippedDefaultLeavesUserSettings() {
        TestForm t;
        Panel p(t);
        p.open();
        p.edit(1)->setText(QStringLiteral("25"));
        p.box(1)->setChecked(false);
        p.press("sys2");
        QFile f(p.shippedFile());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(kDefaults);
        f.close();
        t.build();
        QCOMPARE(t.form->settings().practiceMinutes, 25);
        QVERIFY(!t.form->settings().mainMusic);
    }

    void digitFilter_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<bool>("stillOpen");
        QTest::newRow("digit in Edit1") << 1 << "7" << "107" << 0 << true;
        QTest::newRow("digit in Edit3") << 3 << "0" << "100" << 0 << true;
        QTest::newRow("digit over a selection") << 2 << "Ctrl+A, 9" << "9" << 0 << true;
        QTest::newRow("letter") << 1 << "A" << "10" << 1 << true;
        QTest::newRow("capital letter") << 2 << "Shift+B" << "10" << 1 << true;
        QTest::newRow("blank") << 3 << "Space" << "10" << 1 << true;
        QTest::newRow("minus sign") << 1 << "-" << "10" << 1 << true;
        QTest::newRow("Backspace deletes") << 2 << "Backspace" << "1" << 0 << true;
        QTest::newRow("Delete deletes") << 3 << "Home, Delete" << "0" << 0 << true;
        QTest::newRow("Ctrl+Z takes a digit back") << 1 << "5, Ctrl+Z" << "10" << 0 << true;
        QTest::newRow("arrows move, no beep") << 1 << "Left, 3" << "130" << 0 << true;
        QTest::newRow("a paste with a letter is refused") << 1 << "Ctrl+V" << "10" << 0 << true;
        QTest::newRow("Escape leaves as 取消 does") << 2 << "5, Escape" << "105" << 0 << false;
    }
    void digitFilter() {
        QFETCH(int, edit);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        QFETCH(int, beeps);
        QFETCH(bool, stillOpen);
        TestForm t;
        Panel p(t);
        QGuiApplication::clipboard()->setText(QStringLiteral("5a"));
        p.open();
        KeyLineEdit* e = p.edit(edit);
        QVERIFY(!e->inputMethodQuery(Qt::ImEnabled).toBool());  // Latin keys even with Wubi on
        e->setText(QStringLiteral("10"));
        e->setFocus();
        QTest::keySequence(e, QKeySequence(keys));
        QCOMPARE(e->text(), after);
        QCOMPARE(t.messages.beeps, beeps);
        QCOMPARE(p.shown(), stillOpen);
        QCOMPARE(p.toolBarEnabled(), !stillOpen);
    }

    // A time that the next start could not read: refused, naming the field; the panel
    // stays open and nothing is written or changed.
    void unreadableTimeRefused_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("empty practice time") << 1 << "" << "练习时间";
        QTest::newRow("pasted words in the test time") << 2 << "five" << "测试时间";
        QTest::newRow("pasted blank before digits") << 2 << " 5" << "测试时间";
        QTest::newRow("beyond 32 bits in the word time") << 3 << "99999999999" << "背单词时间";
        QTest::newRow("0 minutes would end every exercise at once") << 1 << "0" << "练习时间";
        QTest::newRow("a pasted negative limit") << 2 << "-1" << "测试时间";
        QTest::newRow("1000 minutes is above the range") << 3 << "1000" << "背单词时间";
    }
    void unreadableTimeRefused() {
        QFETCH(int, edit);
        QFETCH(QString, text);
        QFETCH(QString, field);
        TestForm t;
        Panel p(t);
        const size_t played = t.sound.played.size();
        p.open();
        p.pages()->setCurrentIndex(2);
        p.box(1)->setChecked(false);
        p.edit(edit)->setText(text);
        p.press("sys2");
        QCOMPARE(t.messages.errors.size(), 1);
        QVERIFY2(t.messages.errors.front().contains(field), qPrintable(t.messages.errors.front()));
        QVERIFY2(t.messages.errors.front().contains(QStringLiteral("1～999")), qPrintable(t.messages.errors.front()));
        QVERIFY(p.shown());
        QVERIFY(!p.toolBarEnabled());
        QCOMPARE(p.pages()->currentIndex(), 0);  // where the field is
        QVERIFY(!QFile::exists(p.userFile()));
        QVERIFY(t.form->settings().mainMusic);
        QCOMPARE(t.sound.played.size(), played);
        QVERIFY(t.sound.playing);
        // Mended, the same confirmation goes through.
        p.edit(edit)->setText(QStringLiteral("4"));
        p.press("sys2");
        QVERIFY(!p.shown());
        QVERIFY(!t.form->settings().mainMusic);
    }

    // 练习目标 on the 系统 tab: the adaptive drills' targets and the live keyboard switch,
    // kept in a file of their own; the eleven lines of the settings file stay as they are.
    void practiceTargets_data() {
        QTest::addColumn<QString>("before");  // the file beforehand; "dir": a folder in its place
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QString>("shown");   // English speed, Chinese speed, accuracy, switch as the dialog opens
        QTest::addColumn<QString>("after");   // the file afterwards
        QTest::addColumn<int>("errors");
        const QString changed = QStringLiteral("speed 200\naccuracy 97\nchinese-speed 80\nkeyboard off\n");
        QTest::newRow("none yet: the defaults shown, the changes written on 确定")
            << "" << true << "175 60 95 on" << changed << 0;
        QTest::newRow("取消 writes nothing") << "" << false << "175 60 95 on" << "<missing>" << 0;
        QTest::newRow("a file of ours read back") << changed << false << "200 80 97 off" << changed << 0;
        QTest::newRow("out of bounds or garbled: held to the bounds, the rest the defaults")
            << "speed 9999\naccuracy x\n\x01\x02\nkeyboard maybe\n" << false << "600 60 95 on"
            << "speed 9999\naccuracy x\n\x01\x02\nkeyboard maybe\n" << 0;
        QTest::newRow("a folder in the file's place: one message, the folder left") << "dir" << true << "175 60 95 on" << "<missing>" << 1;
    }
    void practiceTargets() {
        QFETCH(QString, before);
        QFETCH(bool, confirm);
        QFETCH(QString, shown);
        QFETCH(QString, after);
        QFETCH(int, errors);
        TestForm t;
        const QString path = t.home() + QStringLiteral("/.config/jaxo/adaptive");
        QVERIFY(QDir().mkpath(t.home() + QStringLiteral("/.config/jaxo")));
        if (before == QLatin1String("dir")) {
            QVERIFY(QDir().mkpath(path));
        } else if (!before.isEmpty()) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(before.toLatin1());
        }
        QString seen;
        t.onModal = [&](QDialog& d) {
            auto spin = [&](const char* name) { return d.findChild<QSpinBox*>(QString::fromLatin1(name)); };
            auto* keyboard = d.findChild<QCheckBox*>(QStringLiteral("liveKeyboardSwitch"));
            seen = QStringLiteral("%1 %2 %3 %4")
                       .arg(spin("targetSpeed")->value())
                       .arg(spin("targetChineseSpeed")->value())
                       .arg(spin("targetAccuracy")->value())
                       .arg(keyboard->isChecked() ? "on" : "off");
            for (auto* w : {spin("targetSpeed"), spin("targetChineseSpeed"), spin("targetAccuracy")})
                QVERIFY(!w->accessibleName().isEmpty());
            spin("targetSpeed")->setValue(200);
            spin("targetChineseSpeed")->setValue(80);
            spin("targetAccuracy")->setValue(97);
            keyboard->setChecked(false);
            if (confirm) d.accept();
            else d.reject();
        };
        const QByteArray settings = readFile(t.appDir() + QStringLiteral("/sysctr.jxo"));
        t.find<QToolButton>(QStringLiteral("targetsButton"))->click();
        QCOMPARE(seen, shown);
        QCOMPARE(t.messages.errors.size(), errors);
        if (before != QLatin1String("dir")) QCOMPARE(QString::fromLatin1(readFile(path)), after);
        QVERIFY(QFileInfo(path).isDir() == (before == QLatin1String("dir")));
        QCOMPARE(readFile(t.appDir() + QStringLiteral("/sysctr.jxo")), settings);
    }

    // 学习进度, from 练习目标: each item in play with its figures, and its state in words.
    void learningProgress() {
        TestForm t;
        const QString data = t.home() + QStringLiteral("/.local/share/jaxo");
        QVERIFY(QDir().mkpath(data));
        QFile model(data + QStringLiteral("/adaptive-english"));
        QVERIFY(model.open(QIODevice::WriteOnly));
        // e: 200 ms a key, no misses; t: 500 ms, one in five missed; five more in play, untried.
        model.write("in-play 7\nitem e 2000 0 20 20\nitem t 5000 2000 12 15\n");
        model.close();
        QStringList rows, drills;
        QString summary;
        t.onModal = [&](QDialog& d) {
            if (d.objectName() == QLatin1String("targetsDialog")) {
                d.findChild<QPushButton*>(QStringLiteral("progressButton"))->click();
                d.reject();
                return;
            }
            auto* choice = d.findChild<QComboBox*>(QStringLiteral("progressDrill"));
            for (int i = 0; i < choice->count(); ++i) drills << choice->itemText(i);
            auto* table = d.findChild<QTableWidget*>(QStringLiteral("progressTable"));
            QVERIFY(!table->accessibleName().isEmpty());
            for (int r = 0; r < table->rowCount(); ++r) {
                QStringList cells;
                for (int c : {0, 1, 2, 4}) cells << table->item(r, c)->text();
                rows << cells.join(QLatin1Char('|'));
            }
            summary = d.findChild<QLabel*>(QStringLiteral("progressSummary"))->text();
            d.reject();
        };
        t.find<QToolButton>(QStringLiteral("targetsButton"))->click();
        QCOMPARE(drills, (QStringList{QStringLiteral("英文智能练习"), QStringLiteral("中文智能练习"),
                                      QStringLiteral("五笔智能字根练习"), QStringLiteral("五笔智能编码练习")}));
        QCOMPARE(rows.size(), 7);
        QCOMPARE(rows[0], QStringLiteral("e|300 字/分|100%|达标"));
        QCOMPARE(rows[1], QStringLiteral("t|120 字/分|80%|练习中"));
        // The untried item that entered last is the one in focus.
        QCOMPARE(rows[6], QStringLiteral("s|—|—|重点"));
        QVERIFY2(summary.startsWith(QStringLiteral("已学 7/26，达标 1")), qPrintable(summary));
    }

    // The user's settings cannot be written: the error names the user's file, and the
    // settings in memory stay as they were.
    void unwritableFolder_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("read-only configuration folder") << "chmod";
        QTest::newRow("a folder in the file's place") << "dir";
        QTest::newRow("a file in the settings folder's place") << "file";
    }
    void unwritableFolder() {
        QFETCH(QString, how);
        TestForm t;
        Panel p(t);
        const QString path = p.userFile();
        const QString config = t.home() + QStringLiteral("/.config");
        QVERIFY(QDir().mkpath(config));
        Immutable frozen;
        if (how == QLatin1String("chmod")) {
            QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            if (canWriteInto(config)) {  // root writes anyway: make the folder immutable
                QFile::setPermissions(config, QFile::permissions(config) | QFileDevice::WriteOwner);
                frozen.dir = config;
                frozen.on = QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), config}) == 0;
                if (canWriteInto(config)) QSKIP("no way to make a folder read-only for this user");
            }
        } else if (how == QLatin1String("dir")) {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile f(config + QStringLiteral("/jaxo"));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        const size_t played = t.sound.played.size();
        p.open();
        p.edit(1)->setText(QStringLiteral("42"));
        p.box(6)->setChecked(false);
        p.press("sys2");
        QFile::setPermissions(config, QFile::permissions(config) | QFileDevice::WriteOwner);
        if (frozen.on) QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), config});
        frozen.on = false;
        QCOMPARE(t.messages.errors, QStringList(QStringLiteral("Cannot create file %1.").arg(path)));
        QVERIFY(!p.shown());
        QVERIFY(p.toolBarEnabled());
        QCOMPARE(t.form->settings().practiceMinutes, 10);
        QVERIFY(t.form->settings().keySound);
        QCOMPARE(t.sound.played.size(), played);
        QCOMPARE(readFile(p.shippedFile()), kDefaults);
    }

    // A full disk: "确定" leaves the file exactly as it was and the settings in memory
    // too, and says that the file cannot be written. With room again the same
    // confirmation goes through.
    void fullDiskKeepsTheFile_data() {
        QTest::addColumn<bool>("entries");
        QTest::newRow("no block left: the old file stays byte for byte") << false;
        QTest::newRow("no file entry left: the old file stays byte for byte") << true;
    }
    void fullDiskKeepsTheFile() {
        QFETCH(bool, entries);
        const QByteArray before = settingsText({"7", "3", "9", "true", "false", "true", "true", "false", "true", "true", "false"});
        // The user's own settings, on a disk that fills up.
        TestForm t({}, [&](const QString&) {
            const QString folder = QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + QStringLiteral("/jaxo");
            QVERIFY(QDir().mkpath(folder));
            QFile f(folder + QStringLiteral("/sysctr.jxo"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(before);
        });
        Panel p(t);
        const QString path = p.userFile();
        const QString folder = QFileInfo(path).path();
        SmallDisk disk(folder, entries ? QStringLiteral("size=8m,nr_inodes=200") : QStringLiteral("size=8m"));
        if (!disk.mounted) QSKIP(qPrintable(QStringLiteral("no small file system to fill: ") + disk.why));
        QCOMPARE(readFile(path), before);
        disk.fill(entries);
        const size_t played = t.sound.played.size();
        p.open();
        p.edit(1)->setText(QStringLiteral("42"));
        p.edit(2)->setText(QStringLiteral("1"));
        p.box(2)->setChecked(true);
        p.box(6)->setChecked(false);
        p.press("sys2");
        QCOMPARE(readFile(path), before);
        QCOMPARE(t.messages.errors, QStringList(QStringLiteral("Cannot create file %1.").arg(path)));
        QCOMPARE(QDir(folder).entryList({QStringLiteral("sysctr.jxo*")}, QDir::Files), QStringList("sysctr.jxo"));
        const Settings& cfg = t.form->settings();
        QCOMPARE(cfg.practiceMinutes, 7);
        QCOMPARE(cfg.testMinutes, 3);
        QVERIFY(!cfg.chineseMusic);
        QVERIFY(cfg.keySound);
        QCOMPARE(t.sound.played.size(), played);
        p.open();  // the panel shows the settings that hold
        QCOMPARE(p.edits(), QStringList({"7", "3", "9"}));
        p.press("sys3");

        disk.freeSpace();
        t.messages.errors.clear();
        p.open();
        p.edit(1)->setText(QStringLiteral("42"));
        p.press("sys2");
        QVERIFY(t.messages.errors.isEmpty());
        QCOMPARE(t.form->settings().practiceMinutes, 42);
        QCOMPARE(readFile(path).left(4), QByteArray("42\r\n"));
    }

    void startWithoutTheSettingsFile_data() {
        QTest::addColumn<bool>("defaultsFirst");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("as shown: the default limits, every box clear")
            << false << settingsText({"10", "5", "10", "false", "false", "false", "false", "false", "false", "false", "false"});
        QTest::newRow("after 预设") << true << kDefaults;
    }
    void startWithoutTheSettingsFile() {
        QFETCH(bool, defaultsFirst);
        QFETCH(QByteArray, written);
        TestForm t({QStringLiteral("sysctr.jxo")});
        Panel p(t);
        const QString path = t.file(QStringLiteral("sysctr.jxo"));
        QCOMPARE(t.messages.errors, QStringList(QStringLiteral("Cannot open file %1.").arg(path)));
        QVERIFY(t.sound.played.empty());
        p.open();
        QCOMPARE(p.edits(), QStringList({"10", "5", "10"}));
        QCOMPARE(p.boxes(), all(false));
        if (defaultsFirst) p.press("sys1");
        p.press("sys2");
        QCOMPARE(readFile(p.userFile()), written);
        QVERIFY(!QFile::exists(path));  // the program folder is not written
        QCOMPARE(t.messages.errors.size(), 1);
        QCOMPARE(t.sound.played.size(), size_t(defaultsFirst ? 1 : 0));
    }

    // A scheme chosen on the page "输入方案" is kept in its own file, and the next lesson
    // comes from its texts with its codes on the hint bar.
    void chosenSchemeDrivesTheLessons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("folder");  // of its lessons in the data folder
        QTest::addColumn<QString>("hint");    // the first hint row, as a pattern
        const QString place = QStringLiteral("( 选第\\d+个)?$");
        QTest::newRow("五笔86: Wubi's own lessons and codes") << QStringLiteral("五笔86") << QStringLiteral("wubi86") << QString()
                                                         << QStringLiteral("^.   [a-y]{1,4}");
        QTest::newRow("全拼: pinyin") << QStringLiteral("全拼") << QStringLiteral("pinyin") << QStringLiteral("scheme/pinyin/")
                                    << QStringLiteral("^.   [a-z]+") + place;
        QTest::newRow("双拼（小鹤）: two keys and the pinyin")
            << QStringLiteral("双拼（小鹤）") << QStringLiteral("shuangpin-xiaohe") << QStringLiteral("scheme/shuangpin-xiaohe/")
            << QStringLiteral("^.   [a-z]{2} \\([a-z]+\\)") + place;
        QTest::newRow("双拼（自然码）") << QStringLiteral("双拼（自然码）") << QStringLiteral("shuangpin-ziranma")
                                  << QStringLiteral("scheme/shuangpin-ziranma/") << QStringLiteral("^.   [a-z]{2} \\([a-z]+\\)") + place;
        const QString radicals = QStringLiteral("[A-Y]{1,5} [日月金木水火土竹戈十大中一弓人心手口尸廿山女田難卜]+");
        QTest::newRow("仓颉五代: keys and radicals") << QStringLiteral("仓颉五代") << QStringLiteral("cangjie5")
                                              << QStringLiteral("scheme/cangjie5/") << QStringLiteral("^.   ") + radicals + place;
        QTest::newRow("速成: keys and radicals") << QStringLiteral("速成") << QStringLiteral("quick5") << QStringLiteral("scheme/quick5/")
                                          << QStringLiteral("^.   ") + radicals + place;
        QTest::newRow("注音: the symbols and the tone") << QStringLiteral("注音") << QStringLiteral("zhuyin") << QStringLiteral("scheme/zhuyin/")
                                                  << QStringLiteral("^.   [ㄅ-ㄩ]+[ˊˇˋ˙]?") + place;
    }
    void chosenSchemeDrivesTheLessons() {
        QFETCH(QString, name);
        QFETCH(QString, id);
        QFETCH(QString, folder);
        QFETCH(QString, hint);
        TestForm t;
        Panel p(t);
        p.open();
        auto* box = t.find<QComboBox>(QStringLiteral("输入方案"));
        QCOMPARE(box->accessibleName(), QStringLiteral("输入方案"));
        QCOMPARE(box->count(), 7);
        box->setCurrentIndex(box->findText(name));
        QCOMPARE(box->currentText(), name);
        p.press("sys2");
        QVERIFY(t.messages.errors.isEmpty());
        const QString choice = t.home() + QStringLiteral("/.config/jaxo/scheme");
        QCOMPARE(readFile(choice), id == QLatin1String("wubi86") ? QByteArray("<missing>") : id.toLatin1() + '\n');
        QCOMPARE(readFile(p.userFile()), kDefaults);  // still its eleven lines
        // The Wubi short codes are Wubi's alone.
        QCOMPARE(t.find<QToolButton>(QStringLiteral("m1c"))->isEnabled(), folder.isEmpty());

        t.form->startExercise(ExerciseId::HighFrequency);
        const ChinesePanel& chinese = *t.form->chinesePanel();
        const QByteArray line = QByteArray::fromStdString(chinese.page().text[0]);
        QVERIFY(!line.isEmpty());
        QVERIFY(readFile(t.file(folder + QStringLiteral("gpz.jxo"))).contains(line));
        const QString shown = t.find<QLabel>(QStringLiteral("wbLabel1"))->text();
        QVERIFY2(QRegularExpression(hint).match(shown).hasMatch(), qPrintable(shown));
        QVERIFY(shown.startsWith(bytes::toUnicode(line.left(2).toStdString())));
        // A second start keeps the choice.
        p.open();
        QCOMPARE(box->currentText(), name);
    }

    void theLastPageIsShownAgain() {
        TestForm t;
        Panel p(t);
        p.open();
        QCOMPARE(p.pages()->currentIndex(), 0);
        p.pages()->setCurrentIndex(2);
        p.press("sys3");
        p.open();
        QCOMPARE(p.pages()->currentIndex(), 2);
        p.pages()->setCurrentIndex(1);
        p.press("sys2");
        p.open();
        QCOMPARE(p.pages()->currentIndex(), 1);
    }

    void hints_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("sys1") << "sys1" << "还原系统设置...";
        QTest::newRow("sys2") << "sys2" << "保存设置，返回主界面...";
        QTest::newRow("sys3") << "sys3" << "取消设置，返回主界面...";
        QTest::newRow("TabSheet1") << "TabSheet1" << "设置练习时间...";
        QTest::newRow("TabSheet2") << "TabSheet2" << "设置音乐...";
    }
    void hints() {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        TestForm t;
        Panel(t).open();
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(t.find<QWidget>(control), &enter);
        QCOMPARE(t.find<QLabel>(QStringLiteral("StatusPanel1"))->text(), hint);
    }

    // A music file that cannot be played is reported, and start-up goes on to its end.
    void startUpGoesOnWhenTheMusicFails() {
        TestForm t;
        t.sound.failWith = QStringLiteral("Cannot open file %1").arg(t.file(QStringLiteral("music2.mid")));
        QFile::remove(t.home() + QStringLiteral("/Desktop/Jaxo4.00.desktop"));
        t.messages.errors.clear();
        const size_t played = t.sound.played.size();
        t.build();
        // The message comes once the start-up is complete, not in the middle of it.
        QVERIFY(t.messages.errors.isEmpty());
        QVERIFY(QFile::exists(t.home() + QStringLiteral("/Desktop/Jaxo4.00.desktop")));
        QTRY_COMPARE(t.messages.errors, QStringList(t.sound.failWith + QLatin1Char('.')));
        QVERIFY(QFile::exists(t.home() + QStringLiteral("/Desktop/Jaxo4.00.desktop")));
        Panel p(t);  // and the program stays usable
        p.open();
        t.sound.failWith.clear();
        p.press("sys2");
        QCOMPARE(t.sound.played.size(), played + 1);
    }
};

QTEST_MAIN(TestSettingsPanel)
#include "test_settingspanel.moc"
