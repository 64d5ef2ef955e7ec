// The real main window used without a mouse, what a screen reader is told about it,
// and how a wrong character looks.
#include "widgets/bytegridlabel.h"
#include "widgets/keylineedit.h"
#include "app/services.h"
#include "widgets/typingline.h"
#include "chinese/chinesepanel.h"
#include "english/englishpanel.h"
#include "radicals/radicalpanel.h"
#include "settings/language.h"
#include "settings/settingspanel.h"
#include "report/reportdialog.h"
#include "support/testform.h"
#include "vocabulary/wordpanel.h"

#include <QAccessible>
#include <QInputMethodEvent>
#include <QApplication>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include <cmath>

namespace {
QString u(const ByteText& t) { return bytes::toUnicode(t); }

QString focusName() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("(none)");
}

// A key goes where a real key goes: to the focused control.
void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* w = QApplication::focusWidget();
    if (!w) w = QApplication::activeWindow();
    QVERIFY2(w, "nothing to take the key");
    QTest::keyClick(w, key, mods);
}

void showForm(TestForm& t) {
    t.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(t.form.get()));
    t.form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(t.form.get()));
}

// A lesson of letters only, so every key types something visible.
void lettersOnly(const QString& dir) {
    QFile f(dir + QStringLiteral("/ywcj.jxo"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QByteArray text;
    for (int i = 0; i < 1000; ++i) text += static_cast<char>('a' + (i * 7) % 26);
    f.write(text);
}

// The controls a screen reader user works with that have no name, as "role objectName".
QStringList unnamedControls(QAccessibleInterface* node) {
    QStringList out;
    if (!node || node->state().invisible) return out;
    const QAccessible::Role role = node->role();
    const bool control = role == QAccessible::EditableText || role == QAccessible::PushButton ||
                         role == QAccessible::ButtonMenu || role == QAccessible::ButtonDropDown ||
                         role == QAccessible::PageTab || role == QAccessible::CheckBox;
    if (control && node->text(QAccessible::Name).trimmed().isEmpty())
        out << QStringLiteral("%1 %2").arg(role).arg(node->object() ? node->object()->objectName() : QString());
    for (int i = 0; i < node->childCount(); ++i) out << unnamedControls(node->child(i));
    return out;
}

QStringList shownNames(QAccessibleInterface* node) {
    QStringList out;
    if (!node || node->state().invisible) return out;
    out << node->text(QAccessible::Name);
    for (int i = 0; i < node->childCount(); ++i) out << shownNames(node->child(i));
    return out;
}

// Lesson content, in whatever language the interface is: the lines to copy, the code
// hints, the radical asked with its verse, the word asked with its meaning.
bool lessonContent(const QWidget* w) {
    static const QStringList names{QStringLiteral("kjxsh1"), QStringLiteral("kjxsh2"), QStringLiteral("bdcdc"),
                                   QStringLiteral("bdccy"), QStringLiteral("wbxhelp")};
    for (; w; w = w->parentWidget())
        if (qobject_cast<const ByteGridLabel*>(w) || names.contains(w->objectName())) return true;
    return false;
}

// Every text the interface shows or gives a screen reader in a window: titles, captions,
// names, descriptions (the status-bar hints), tabs, menu items and list items.
QStringList interfaceTexts(QWidget* window) {
    QStringList out{window->windowTitle(), window->accessibleName()};
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || lessonContent(w)) continue;
        // The vocabulary answer line describes the word to type: lesson content.
        const bool lessonDescription = w->objectName() == QLatin1String("bdcput");
        out << w->accessibleName() << (lessonDescription ? QString() : w->accessibleDescription()) << w->toolTip();
        if (auto* l = qobject_cast<QLabel*>(w)) out << l->text();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) out << b->text();
        if (auto* e = qobject_cast<QPlainTextEdit*>(w)) out << e->toPlainText();
        if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i) out << t->tabText(i);
        // The languages are listed each by its own name.
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i)
                if (c->itemData(i).toString().isEmpty() || c->objectName() != QLatin1String("languageBox")) out << c->itemText(i);
    }
    for (QMenu* m : window->findChildren<QMenu*>())
        for (QAction* a : m->actions()) out << a->text();
    out.removeAll(QString());
    return out;
}

bool han(QChar c) { return (c.unicode() >= 0x3400 && c.unicode() <= 0x9fff) || (c.unicode() >= 0xf900 && c.unicode() <= 0xfaff); }

// The texts with any Chinese character or full-width punctuation in them (the
// ideographic space aside: it is only a space).
QStringList withChinese(const QStringList& texts) {
    QStringList out;
    for (const QString& t : texts)
        for (QChar c : t)
            if (han(c) || (c.unicode() > 0x3000 && c.unicode() <= 0x303f) || (c.unicode() >= 0xff01 && c.unicode() <= 0xff5e)) {
                out << t;
                break;
            }
    return out;
}

// The characters of the texts that only Simplified Chinese writes: those OpenCC turns into
// another character on their own. 托 stays: Taiwan writes 托福 too.
QString simplifiedOnly(const QStringList& texts) {
    QString chars;
    for (const QString& t : texts)
        for (QChar c : t)
            if (han(c) && !chars.contains(c) && c != QChar(0x6258)) chars += c;
    QProcess opencc;
    opencc.start(QStringLiteral("opencc"), {QStringLiteral("-c"), QStringLiteral("s2tw.json")});
    if (!opencc.waitForStarted()) return QStringLiteral("(opencc is not installed)");
    QStringList lines;
    for (QChar c : chars) lines << QString(c);
    opencc.write(lines.join(QLatin1Char('\n')).toUtf8() + '\n');
    opencc.closeWriteChannel();
    opencc.waitForFinished();
    const QStringList converted = QString::fromUtf8(opencc.readAllStandardOutput()).split(QLatin1Char('\n'));
    QString out;
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (i >= converted.size() || converted[i] != lines[i]) out += lines[i];
    return out;
}

double luminance(QColor c) {
    const auto channel = [](double v) {
        v /= 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

double contrast(QColor a, QColor b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What a screen reader is given to say in the window: the notifications of its live
// region, oldest first.
QStringList heardIn(QWidget* window) {
    QStringList out;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        QAccessibleInterface* region = QAccessible::queryAccessibleInterface(w);
        for (int i = 0; region && i < region->childCount(); ++i)
            if (region->child(i)->role() == QAccessible::Notification) out << region->child(i)->text(QAccessible::Name);
    }
    return out;
}

QString lastHeard(QWidget* window) {
    const QStringList heard = heardIn(window);
    return heard.isEmpty() ? QString() : heard.last();
}

}  // namespace

class TestAccess : public QObject {
    Q_OBJECT
private slots:
    void keyboardOnlyWalk();
    void tabLetters_data();
    void tabLetters();
    void arrowsAmongButtons_data();
    void arrowsAmongButtons();
    void dropDownMenusByKeyboard_data();
    void dropDownMenusByKeyboard();
    void panelButtonsHaveKeys_data();
    void panelButtonsHaveKeys();
    void forcedExitQuestionDefaultsToNo();
    void everyControlHasAName_data();
    void everyControlHasAName();
    void engravedTextIsReadOnce();
    void hintsAreDescriptions();
    void announcementText_data();
    void announcementText();
    void typingIsHeard();
    void chineseTypingIsHeardWhereTheFocusIs();
    void drillsAreHeard_data();
    void drillsAreHeard();
    void wrongCharacterMark_data();
    void wrongCharacterMark();
    void smallScreenScrolls();
    void interfaceLanguage_data();
    void interfaceLanguage();
};

void TestAccess::keyboardOnlyWalk() {
    TestForm t({}, lettersOnly);
    showForm(t);
    t.form->move(300, 150);
    press(Qt::Key_Y, Qt::AltModifier);
    QCOMPARE(t.form->toolBarTabs()->currentIndex(), 1);
    QCOMPARE(QApplication::focusWidget(), t.form->toolBarTabs()->tabBar());
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("m2a"));

    bool reportRead = false;
    t.onModal = [&](QDialog& d) {
        d.show();
        QTRY_COMPARE(QApplication::activeWindow(), &d);
        // Over the main window, wherever that stands.
        const QPoint off = d.geometry().center() - t.form->geometry().center();
        QVERIFY2(off.manhattanLength() < 40, qPrintable(QStringLiteral("%1,%2").arg(off.x()).arg(off.y())));
        auto* exit = d.findChild<QPushButton*>(QStringLiteral("exit"));
        QCOMPARE(QApplication::focusWidget(), exit);
        QVERIFY(exit->isDefault());
        // The figures are what a screen reader is told as the report opens.
        QTRY_VERIFY(!lastHeard(&d).isEmpty());
        const QString figures = lastHeard(&d);
        QVERIFY2(figures.contains(d.findChild<QLabel*>(QStringLiteral("pig1a"))->text().trimmed()), qPrintable(figures));
        QVERIFY2(figures.contains(QStringLiteral("正确率")), qPrintable(figures));
        // A key of the exercise's last moment is not taken; one after a pause is.
        press(Qt::Key_Return);
        QVERIFY(d.isVisible());
        QTest::qWait(ReportDialog::kQuietMs + 100);
        press(Qt::Key_Return);
        QVERIFY(!d.isVisible());
        reportRead = true;
    };
    press(Qt::Key_Return);
    QTRY_VERIFY(t.form->englishPanel()->isVisible());
    auto* line = t.find<KeyLineEdit>(QStringLiteral("englishput1"));
    QCOMPARE(QApplication::focusWidget(), line);
    const ByteText reference = t.find<ByteGridLabel>(QStringLiteral("englishtext1"))->bytes();
    QTest::keyClicks(line, u(reference.substr(0, 6)));
    QCOMPARE(line->text(), u(reference.substr(0, 6)));
    press(Qt::Key_Escape);
    QVERIFY(reportRead);
    QVERIFY(!t.form->englishPanel()->isVisible());
    // Back on the exercise's tab, where Enter walks on to its first button.
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.form->toolBarTabs()->tabBar()));
    press(Qt::Key_Return);
    QCOMPARE(focusName(), QStringLiteral("m2a"));

    // The settings: open, change a time, save with 确定.
    press(Qt::Key_X, Qt::AltModifier);
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("m5a"));
    for (int i = 0; i < 4; ++i) press(Qt::Key_Right);
    QCOMPARE(focusName(), QStringLiteral("m5d"));
    press(Qt::Key_Return);
    QTRY_VERIFY(t.form->settingsPanel()->isVisible());
    QCOMPARE(focusName(), QStringLiteral("Edit1"));
    press(Qt::Key_Home);
    press(Qt::Key_Delete);
    press(Qt::Key_Delete);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    press(Qt::Key_Return);  // Enter still walks the fields
    QCOMPARE(focusName(), QStringLiteral("Edit2"));
    for (int i = 0; i < 12 && focusName() != QLatin1String("sys2"); ++i) press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("sys2"));
    press(Qt::Key_Return);
    QTRY_VERIFY(!t.form->settingsPanel()->isVisible());
    QCOMPARE(focusName(), QStringLiteral("m5d"));
    press(Qt::Key_Space);
    QTRY_VERIFY(t.form->settingsPanel()->isVisible());
    QCOMPARE(t.find<QLineEdit>(QStringLiteral("Edit1"))->text(), QStringLiteral("12"));
}

void TestAccess::tabLetters_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("tab");
    QTest::newRow("Alt+Z opens 中文练习") << int(Qt::Key_Z) << 0;
    QTest::newRow("Alt+Y opens 英文练习") << int(Qt::Key_Y) << 1;
    QTest::newRow("Alt+C opens 测试") << int(Qt::Key_C) << 2;
    QTest::newRow("Alt+B opens 背单词") << int(Qt::Key_B) << 3;
    QTest::newRow("Alt+X opens 系统") << int(Qt::Key_X) << 4;
}

void TestAccess::tabLetters() {
    QFETCH(int, key);
    QFETCH(int, tab);
    TestForm t;
    showForm(t);
    QTabWidget* m = t.form->toolBarTabs();
    m->setCurrentIndex(tab == 0 ? 1 : 0);
    press(Qt::Key(key), Qt::AltModifier);
    QCOMPARE(m->currentIndex(), tab);
    QCOMPARE(QApplication::focusWidget(), m->tabBar());
    // Listed where the pointer rests on the tab too.
    QVERIFY(m->tabToolTip(tab).contains(QKeySequence(Qt::Key(key)).toString()));
    // While an exercise runs the tool bar is off, and so are its letters.
    t.form->startExercise(ExerciseId::HighFrequency);
    const int running = m->currentIndex();
    press(tab == 1 ? Qt::Key_Z : Qt::Key_Y, Qt::AltModifier);
    QCOMPARE(m->currentIndex(), running);
}

void TestAccess::arrowsAmongButtons_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("Right goes to the next button") << "m1a" << int(Qt::Key_Right) << "m1b";
    QTest::newRow("Left from the first wraps to the last") << "m1a" << int(Qt::Key_Left) << "m1h";
    QTest::newRow("Right from the last wraps to the first") << "m2e" << int(Qt::Key_Right) << "m2a";
    QTest::newRow("Down on a plain button goes on") << "m4a" << int(Qt::Key_Down) << "m4b";
    QTest::newRow("Up goes back") << "m5e" << int(Qt::Key_Up) << "ownTextsButton";
    QTest::newRow("Tab goes on too") << "m5a" << int(Qt::Key_Tab) << "welcomeButton";
}

void TestAccess::arrowsAmongButtons() {
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    TestForm t;
    showForm(t);
    auto* start = t.find<QToolButton>(from);
    t.form->toolBarTabs()->setCurrentWidget(start->parentWidget());
    start->setFocus(Qt::TabFocusReason);
    QCOMPARE(focusName(), from);
    press(Qt::Key(key));
    QCOMPARE(focusName(), to);
    // Arrows move only: nothing started.
    QVERIFY(t.form->toolBarTabs()->isEnabled());
    QCOMPARE(t.modalCount, 0);
}

void TestAccess::dropDownMenusByKeyboard_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("title");
    QTest::newRow("Down opens 词组练习, Enter on the first item starts it")
        << "m1e" << int(Qt::Key_Down) << "czPopupMenu" << "zzz2a=二字词组练习";
    QTest::newRow("Enter opens 大学英语") << "m4c" << int(Qt::Key_Return) << "bdcmune" << "bdczuang2a=大学英语1-4级";
    QTest::newRow("Space opens 中文测试") << "m3a" << int(Qt::Key_Space) << "csPopupMenu2" << "zzz2a=顺序测试";
}

void TestAccess::dropDownMenusByKeyboard() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(QString, menu);
    QFETCH(QString, title);
    TestForm t;
    showForm(t);
    auto* b = t.find<QToolButton>(button);
    t.form->toolBarTabs()->setCurrentWidget(b->parentWidget());
    b->setFocus(Qt::TabFocusReason);
    QString opened;
    // Looked for until it shows: on a loaded machine a menu can take longer than a moment.
    QTimer look;
    look.setInterval(50);
    QObject::connect(&look, &QTimer::timeout, [&] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup) return;
        look.stop();
        opened = popup->objectName();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    look.start();
    // A menu left open would hold the test: closed after a while in any case.
    QTimer::singleShot(3000, [] {
        if (QWidget* p = QApplication::activePopupWidget()) p->close();
    });
    QTRY_VERIFY(b->hasFocus());
    press(Qt::Key(key));
    // The menu may open after the key has returned.
    QTRY_COMPARE_WITH_TIMEOUT(opened, menu, 3000);
    look.stop();
    const QStringList label = title.split(QLatin1Char('='));
    QTRY_COMPARE(t.find<QLabel>(label[0])->text(), label[1]);
    QVERIFY(!t.form->toolBarTabs()->isEnabled());
}

void TestAccess::panelButtonsHaveKeys_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<QString>("expect");
    QTest::newRow("Alt+Q leaves Chinese practice with a report") << "m1b" << int(Qt::Key_Q) << int(Qt::AltModifier) << "report";
    QTest::newRow("Alt+Q leaves English practice with a report") << "m2a" << int(Qt::Key_Q) << int(Qt::AltModifier) << "report";
    QTest::newRow("Alt+Q leaves the radical drill with a report") << "m1a" << int(Qt::Key_Q) << int(Qt::AltModifier) << "report";
    QTest::newRow("Alt+Q leaves the vocabulary drill with a report") << "m4a" << int(Qt::Key_Q) << int(Qt::AltModifier) << "report";
    QTest::newRow("Alt+Q in a test asks first") << "MenuItem4" << int(Qt::Key_Q) << int(Qt::AltModifier) << "question";
    QTest::newRow("Page Down turns the Chinese page") << "m1b" << int(Qt::Key_PageDown) << 0 << "new page";
}

void TestAccess::panelButtonsHaveKeys() {
    QFETCH(QString, start);
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(QString, expect);
    TestForm t;
    showForm(t);
    const bool menuItem = start.startsWith(QLatin1String("Menu"));
    if (menuItem)
        t.form->startExercise(ExerciseId::ChineseTestFromStart);
    else
        t.find<QToolButton>(start)->click();
    const QString pageBefore = t.find<ByteGridLabel>(QStringLiteral("chinatext1"))->text();
    press(Qt::Key(key), Qt::KeyboardModifiers(mods));
    // A key presses its button as a click would, a moment later.
    if (expect == QLatin1String("report")) {
        QTRY_COMPARE(t.modalCount, 1);
        QCOMPARE(t.lastModal, QStringLiteral("cjreport"));
        // Back on the main screen, the keys are on the exercise's tab, not on a
        // button a last key of the exercise could press.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(t.form->toolBarTabs()->tabBar()));
        QCOMPARE(t.form->toolBarTabs()->currentWidget(), t.find<QWidget>(start)->parentWidget());
    } else if (expect == QLatin1String("question")) {
        QTRY_COMPARE(t.messages.questions.size(), 1);
        QCOMPARE(t.modalCount, 0);
    } else {
        QTRY_VERIFY(t.find<ByteGridLabel>(QStringLiteral("chinatext1"))->text() != pageBefore);
        QCOMPARE(t.modalCount, 0);
    }
}

void TestAccess::forcedExitQuestionDefaultsToNo() {
    BoxMessages messages;
    QString defaultButton;
    QTimer::singleShot(100, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        QTest::keyClick(box, Qt::Key_Return);
    });
    QTimer::singleShot(3000, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->done(QMessageBox::Yes);
    });
    QVERIFY2(!messages.askYesNo(QStringLiteral("提示"), QStringLiteral("这样退出将没有成绩,您确定吗?")),
             "Enter gave up the test");
    QCOMPARE(defaultButton, QStringLiteral("否(&N)"));
}

void TestAccess::everyControlHasAName_data() {
    QTest::addColumn<QString>("screen");
    for (const char* s : {"main window", "Chinese page", "Chinese test", "English page", "radical drill",
                          "vocabulary drill", "settings panel", "report", "own lessons", "own lesson import"})
        QTest::newRow(s) << QString::fromLatin1(s);
}

void TestAccess::everyControlHasAName() {
    QFETCH(QString, screen);
    TestForm t;
    showForm(t);
    MainWindow& f = *t.form;
    QStringList unnamed;
    if (screen == QLatin1String("Chinese page")) f.startExercise(ExerciseId::HighFrequency);
    if (screen == QLatin1String("Chinese test")) f.startExercise(ExerciseId::ChineseTestFromStart);
    if (screen == QLatin1String("English page")) f.startExercise(ExerciseId::EnglishBeginner);
    if (screen == QLatin1String("radical drill")) f.startExercise(ExerciseId::RadicalDrill);
    if (screen == QLatin1String("vocabulary drill")) f.startExercise(ExerciseId::PrimaryWords);
    if (screen == QLatin1String("key drill")) f.startExercise(ExerciseId::XiaoheKeys);
    if (screen == QLatin1String("settings panel")) f.openSettings();
    if (screen == QLatin1String("report")) {
        bool opened = false;
        t.onModal = [&](QDialog& d) {
            d.show();
            opened = true;
            unnamed = unnamedControls(QAccessible::queryAccessibleInterface(&d));
        };
        f.startExercise(ExerciseId::EnglishBeginner);
        press(Qt::Key_Escape);
        QVERIFY(opened);
    } else if (screen.startsWith(QLatin1String("own"))) {
        // The import window opens from the window of own lessons.
        const QString wanted = screen == QLatin1String("own lessons") ? QStringLiteral("ownTextsDialog")
                                                                       : QStringLiteral("ownImportDialog");
        bool reached = false;
        t.onModal = [&](QDialog& d) {
            d.show();
            if (d.objectName() == wanted) {
                reached = true;
                unnamed = unnamedControls(QAccessible::queryAccessibleInterface(&d));
            } else {
                d.findChild<QPushButton*>(QStringLiteral("ownPaste"))->click();
            }
        };
        t.find<QToolButton>(QStringLiteral("ownTextsButton"))->click();
        QVERIFY(reached);
    } else {
        unnamed = unnamedControls(QAccessible::queryAccessibleInterface(&f));
    }
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
}

void TestAccess::engravedTextIsReadOnce() {
    TestForm t;
    showForm(t);
    t.form->startExercise(ExerciseId::HighFrequency);
    const QStringList names = shownNames(QAccessible::queryAccessibleInterface(t.form.get()));
    // (The mode title is also the name of its tab.)
    for (const char* upper : {"chinatime2", "zzz2a"}) {
        const QString text = t.find<QLabel>(QString::fromLatin1(upper))->text();
        QVERIFY(!text.isEmpty());
        QCOMPARE(names.count(text), 1);
    }
}

void TestAccess::hintsAreDescriptions() {
    TestForm t;
    showForm(t);
    // Reached by the keyboard, a control shows its hint as the pointer would.
    press(Qt::Key_Z, Qt::AltModifier);
    press(Qt::Key_Tab);
    press(Qt::Key_Right);
    QCOMPARE(t.find<QLabel>(QStringLiteral("StatusPanel1"))->text(), QStringLiteral("单击此键进入高频字练习状态..."));
    QCOMPARE(QAccessible::queryAccessibleInterface(t.form.get())->text(QAccessible::Name), QStringLiteral("Jaxo4.00中文打字练习软件"));
    for (const char* name : {"m1a", "m4c", "m5e", "chinaexit", "exitexit", "englishnext", "zgexit", "bdcexit", "sys2"}) {
        auto* w = t.find<QWidget>(QString::fromLatin1(name));
        QVERIFY2(w, name);
        // Read without the "..." that the status bar shows.
        const QString said = w->accessibleDescription();
        QVERIFY2(!said.isEmpty() && !said.endsWith(QLatin1Char('.')), qPrintable(said));
        QVERIFY2(w->property("jaxoHint").toString().startsWith(said), qPrintable(said));
    }
}

void TestAccess::announcementText_data() {
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("marks");
    QTest::addColumn<QString>("said");
    const QByteArray none;
    const QByteArray guo = bytes::gb("国").c_str();
    QTest::newRow("nothing typed: the first character comes next") << "中国人" << "" << none << none << "下一个：中";
    QTest::newRow("after one character the second comes next") << "中国人" << "中" << none << QByteArray("  ") << "下一个：国";
    QTest::newRow("a new wrong character is named with what was typed, then the next one")
        << "中国人" << "中果" << QByteArray("  ") << QByteArray("  ") + guo << "错：应为国，打成果。下一个：人";
    QTest::newRow("a wrong character already named is not named again")
        << "中国人" << "中果" << QByteArray("  ") + guo << QByteArray("  ") + guo << "下一个：人";
    QTest::newRow("a blank is named") << "a b" << "a" << none << QByteArray(" ") << "下一个：空格";
    QTest::newRow("a wrong key where a blank belongs is named")
        << "visit live" << "visit#" << QByteArray("     ") << QByteArray("     \x7F") << "错：应为空格，打成#。下一个：l";
    QTest::newRow("a half character typed: the whole one expected is named")
        << "中国" << "x" << none << QByteArray("\xD6 ", 2) << "错：应为中，打成x。下一个：国";
    QTest::newRow("a full line says so") << "ab" << "ab" << none << QByteArray("  ") << "本行完";
    QTest::newRow("several new wrong characters at once, none before")
        << "中国人" << "果果果" << none << QByteArray(bytes::gb("中国人").c_str())
        << "错：应为中，打成果；应为国，打成果；应为人，打成果。本行完";
    QTest::newRow("an empty line says nothing") << "" << "" << none << none << "";
}

void TestAccess::announcementText() {
    QFETCH(QString, reference);
    QFETCH(QString, typed);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, marks);
    QFETCH(QString, said);
    QCOMPARE(typingline::announcement(bytes::fromUnicode(reference), bytes::fromUnicode(typed), before.toStdString(),
                                      marks.toStdString()),
             said);
}

void TestAccess::typingIsHeard() {
    TestForm t({}, lettersOnly);
    showForm(t);
    t.form->startExercise(ExerciseId::EnglishBeginner);
    auto* line = t.find<KeyLineEdit>(QStringLiteral("englishput1"));
    const ByteText reference = t.find<ByteGridLabel>(QStringLiteral("englishtext1"))->bytes();
    QTRY_COMPARE(lastHeard(t.form.get()), QStringLiteral("下一个：%1").arg(QChar(reference[0])));
    const char wrong = reference[0] == 'x' ? 'y' : 'x';
    QTest::keyClick(line, wrong);
    QTRY_COMPARE(lastHeard(t.form.get()), QStringLiteral("错：应为%1，打成%2。下一个：%3").arg(QChar(reference[0]), QChar(wrong), QChar(reference[1])));
    QTest::keyClick(line, reference[1]);
    QTRY_COMPARE(lastHeard(t.form.get()), QStringLiteral("下一个：%1").arg(QChar(reference[2])));
    // The rest of the line: it is done, and line 2 says what comes first, in one breath.
    QTest::keyClicks(line, u(reference.substr(2)));
    QTRY_COMPARE(lastHeard(t.form.get()),
                 QStringLiteral("本行完。下一个：%1").arg(QChar(t.find<ByteGridLabel>(QStringLiteral("englishtext2"))->bytes()[0])));
    // Said once each: no text twice in a row.
    const QStringList heard = heardIn(t.form.get());
    for (qsizetype i = 1; i < heard.size(); ++i) QVERIFY2(heard[i] != heard[i - 1], qPrintable(heard[i]));
}

// On the Chinese page one input keeps the focus for every line: it is the text being
// written for a screen reader, and what is said follows the hand-over.
void TestAccess::chineseTypingIsHeardWhereTheFocusIs() {
    TestForm t({}, [](const QString& dir) {
        QFile f(dir + QStringLiteral("/gpz.jxo"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QByteArray text;
        for (int i = 0; i < 200; ++i) text += bytes::gb("中国人").c_str();
        f.write(text);
    });
    showForm(t);
    t.form->startExercise(ExerciseId::HighFrequency);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QAccessibleInterface* input = QAccessible::queryAccessibleInterface(focus);
    const ByteText reference = t.find<ByteGridLabel>(QStringLiteral("chinatext1"))->bytes();
    QCOMPARE(input->text(QAccessible::Name), QStringLiteral("第1行输入"));
    QCOMPARE(input->role(), QAccessible::EditableText);
    QTRY_COMPARE(lastHeard(t.form.get()), QStringLiteral("下一个：%1").arg(u(reference.substr(0, 2))));
    QInputMethodEvent wrong;
    wrong.setCommitString(QStringLiteral("错"));
    QApplication::sendEvent(focus, &wrong);
    QVERIFY(input->textInterface());
    QCOMPARE(input->textInterface()->text(0, input->textInterface()->characterCount()), QStringLiteral("错"));
    QTRY_COMPARE(lastHeard(t.form.get()), QStringLiteral("错：应为%1，打成错。下一个：%2").arg(u(reference.substr(0, 2)), u(reference.substr(2, 2))));
    // The rest of the line at once: the focus stays, and now speaks for line 2.
    QInputMethodEvent rest;
    rest.setCommitString(bytes::toUnicode(reference.substr(2)));
    QApplication::sendEvent(focus, &rest);
    QTRY_COMPARE(input->text(QAccessible::Name), QStringLiteral("第2行输入"));
    QCOMPARE(QApplication::focusWidget(), focus);
    const ByteText second = t.find<ByteGridLabel>(QStringLiteral("chinatext2"))->bytes();
    QTRY_COMPARE(lastHeard(t.form.get()), QStringLiteral("本行完。下一个：%1").arg(u(second.substr(0, 2))));
}

void TestAccess::drillsAreHeard_data() {
    QTest::addColumn<int>("exercise");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("afterKey");
    QTest::newRow("vocabulary: the word and its meaning, then the verdict and the next word")
        << int(ExerciseId::PrimaryWords) << "bdcdc=bdccy" << "Return" << "错。";
    QTest::newRow("radical drill: the radical and its key, then a mistake and the next radical")
        << int(ExerciseId::RadicalDrill) << "kjxsh2" << "Space" << "错。";
}

void TestAccess::drillsAreHeard() {
    QFETCH(int, exercise);
    QFETCH(QString, shown);
    QFETCH(QString, key);
    QFETCH(QString, afterKey);
    TestForm t;
    showForm(t);
    t.form->startExercise(ExerciseId(exercise));
    // Said as the drill opens: announced, or the description of the line that takes the
    // focus (read with it).
    const auto opening = [&] {
        QWidget* focus = QApplication::focusWidget();
        const QString description = focus ? focus->accessibleDescription() : QString();
        return description.isEmpty() ? lastHeard(t.form.get()) : description;
    };
    QTRY_VERIFY(!opening().isEmpty());
    // Everything the learner sees of the task is said.
    for (const QString& name : shown.split(QLatin1Char('='))) {
        auto* label = t.find<QLabel>(name);
        QVERIFY2(label, qPrintable(name));
        const QString text = label->text().section(QLatin1Char(' '), -1).left(6);
        QVERIFY2(!text.isEmpty() && opening().contains(text), qPrintable(opening() + QStringLiteral(" / ") + label->text()));
    }
    const qsizetype before = heardIn(t.form.get()).size();
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
    QTRY_VERIFY(heardIn(t.form.get()).size() > before);
    QVERIFY2(lastHeard(t.form.get()).startsWith(afterKey), qPrintable(lastHeard(t.form.get())));
}

void TestAccess::wrongCharacterMark_data() {
    QTest::addColumn<char>("wrongAt");  // the reference byte typed wrong, 0 for the first
    QTest::newRow("a wrong letter: red and underlined") << '\0';
    QTest::newRow("a wrong key where a blank belongs: a red mark under the blank") << ' ';
}

void TestAccess::wrongCharacterMark() {
    QFETCH(char, wrongAt);
    TestForm t({}, [](const QString& dir) {
        QFile f(dir + QStringLiteral("/ywcj.jxo"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (int i = 0; i < 200; ++i) f.write("visit live ");
    });
    showForm(t);
    t.form->startExercise(ExerciseId::EnglishBeginner);
    auto* line = t.find<KeyLineEdit>(QStringLiteral("englishput1"));
    auto* marks = t.find<ByteGridLabel>(QStringLiteral("englishpd1"));
    const ByteText reference = t.find<ByteGridLabel>(QStringLiteral("englishtext1"))->bytes();
    const size_t at = wrongAt ? reference.find(wrongAt) : 0;
    QVERIFY(at != ByteText::npos && at + 1 < reference.size());
    QTest::keyClicks(line, u(reference.substr(0, at)));
    QTest::keyClick(line, reference[at] == '#' ? '%' : '#');
    QCOMPARE(marks->bytes().size(), at + 1);
    QTRY_VERIFY2(lastHeard(t.form.get()).startsWith(QStringLiteral("错：应为%1").arg(reference[at] == ' ' ? QStringLiteral("空格") : QString(QChar(reference[at])))),
                 qPrintable(lastHeard(t.form.get())));
    QApplication::processEvents();
    // What the learner sees: the wrong byte's cell of the marks line, the panel behind it.
    const QRect cell(marks->geometry().left() + static_cast<int>(marks->columnX(static_cast<int>(at))), marks->geometry().top(),
                     static_cast<int>(marks->columnWidth()) + 1, marks->height());
    const QImage shot = t.form->englishPanel()->grab(cell).toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) ++counts[shot.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background)) background = it.key();
    const auto reddish = [](QColor c) { return c.red() > c.green() + 60 && c.red() > c.blue() + 60; };
    double best = 0;
    int longestRun = 0;
    for (int y = 0; y < shot.height(); ++y) {
        int run = 0;
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c(shot.pixel(x, y));
            if (reddish(c)) {
                best = std::max(best, contrast(c, QColor(background)));
                longestRun = std::max(longestRun, ++run);
            } else {
                run = 0;
            }
        }
    }
    qInfo("wrong-character mark: contrast %.2f:1, underline %d px", best, longestRun);
    QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("contrast %1:1").arg(best, 0, 'f', 2)));
    // Not by colour alone: a line under the character, nearly its cell wide.
    QVERIFY2(longestRun >= marks->columnWidth() - 3, qPrintable(QStringLiteral("longest run %1 px").arg(longestRun)));
}

void TestAccess::smallScreenScrolls() {
    TestForm t;
    showForm(t);
    // A window smaller than the panels (a scaled or small screen).
    t.form->resize(500, 380);
    auto* scroll = t.find<QScrollArea>(QStringLiteral("deskScroll"));
    QVERIFY(scroll);
    const auto inView = [&](QWidget* w) {
        return scroll->viewport()->rect().contains(QRect(w->mapTo(scroll->viewport(), QPoint(0, 0)), w->size()));
    };
    const auto scrollTo = [&](bool end) {
        scroll->horizontalScrollBar()->setValue(end ? scroll->horizontalScrollBar()->maximum() : 0);
        scroll->verticalScrollBar()->setValue(end ? scroll->verticalScrollBar()->maximum() : 0);
    };
    // The control that takes the keyboard focus comes into view by itself.
    scrollTo(true);
    press(Qt::Key_Z, Qt::AltModifier);
    press(Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("m1a"));
    QVERIFY2(inView(QApplication::focusWidget()), "the focused button stays out of view");
    // The exit of the Chinese page can be scrolled to.
    t.form->startExercise(ExerciseId::HighFrequency);
    auto* exit = t.find<QToolButton>(QStringLiteral("chinaexit"));
    scrollTo(false);
    QVERIFY(!inView(exit));
    scrollTo(true);
    QVERIFY2(inView(exit), "the exit button stays out of reach");
}

void TestAccess::interfaceLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("screen");
    for (const char* language : {"en", "zh_TW"})
        for (const char* s : {"main window", "Chinese page", "Chinese test", "English page", "radical drill",
                              "vocabulary drill", "key drill", "settings panel", "report", "about", "welcome", "results",
                              "help"})
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(language), QLatin1String(s))))
                << QString::fromLatin1(language) << QString::fromLatin1(s);
}

// Under LANGUAGE=en no Chinese shows outside lesson content; under zh_TW no character
// that only Simplified Chinese writes.
void TestAccess::interfaceLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, screen);
    qputenv("LANGUAGE", language.toUtf8());
    TestForm t;
    language::install(t.appDir());
    const auto back = qScopeGuard([&] {
        qputenv("LANGUAGE", "zh_CN");
        language::install(t.appDir());
    });
    t.build();
    showForm(t);
    MainWindow& f = *t.form;
    QStringList texts;
    t.onModal = [&](QDialog& d) {
        d.show();
        texts = interfaceTexts(&d);
    };
    if (screen == QLatin1String("Chinese page")) f.startExercise(ExerciseId::HighFrequency);
    if (screen == QLatin1String("Chinese test")) f.startExercise(ExerciseId::ChineseTestFromStart);
    if (screen == QLatin1String("English page")) f.startExercise(ExerciseId::EnglishBeginner);
    if (screen == QLatin1String("radical drill")) f.startExercise(ExerciseId::RadicalDrill);
    if (screen == QLatin1String("vocabulary drill")) f.startExercise(ExerciseId::PrimaryWords);
    if (screen == QLatin1String("settings panel")) f.openSettings();
    if (screen == QLatin1String("about")) f.openAbout();
    if (screen == QLatin1String("welcome")) f.openWelcome();
    if (screen == QLatin1String("results")) f.showHistory();
    if (screen == QLatin1String("report")) {
        f.startExercise(ExerciseId::EnglishBeginner);
        press(Qt::Key_Escape);
    }
    if (screen == QLatin1String("help")) {
        // Every page in the language, and the button opens the language's own.
        f.openHelp();
        QCOMPARE(t.shell.opened.value(0), t.file(QStringLiteral("help/%1/index.html").arg(language)));
        const QStringList pages = QDir(t.file(QStringLiteral("help"))).entryList({QStringLiteral("*.html")});
        QCOMPARE(QDir(t.file(QStringLiteral("help/") + language)).entryList({QStringLiteral("*.html")}), pages);
        return;
    }
    if (texts.isEmpty()) texts = interfaceTexts(&f);
    QVERIFY(!texts.isEmpty());
    if (language == QLatin1String("en")) {
        const QStringList chinese = withChinese(texts);
        QVERIFY2(chinese.isEmpty(), qPrintable(chinese.join(QStringLiteral(" | "))));
    } else {
        const QString simplified = simplifiedOnly(texts);
        QVERIFY2(simplified.isEmpty(), qPrintable(simplified));
    }
}

QTEST_MAIN(TestAccess)
#include "test_access.moc"
