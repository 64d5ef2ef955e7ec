// The Chinese page typed through an input method: the platform's input context is a
// fake that records resets, commits of the composition and focus changes, and delivers
// text to whatever has the focus, as a real input method does. A full line, the fifth
// line and 下一页 must move the text to the next line without disturbing it.
#include "widgets/keylineedit.h"
#include "chinese/chinesepanel.h"
#include "support/fakeinputcontext.h"
#include "support/testform.h"

#include <QInputMethod>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

Q_IMPORT_PLUGIN(FakeInputContextPlugin)

namespace {

void writeGb(const QString& path, const QString& text) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(QByteArray::fromStdString(bytes::fromUnicode(text)));
}

// 高频字 holds one character only, so every line of every page is known.
std::unique_ptr<TestForm> makeShownForm() {
    auto tf = std::make_unique<TestForm>(QStringList{}, [](const QString& appDir) {
        writeGb(appDir + QStringLiteral("/gpz.jxo"), QString(33 * 3, QChar(0x4E2D)));
    });
    tf->form->show();
    tf->form->activateWindow();
    if (!QTest::qWaitForWindowActive(tf->form.get())) return nullptr;
    return tf;
}

KeyLineEdit* put(TestForm& tf, int k) { return tf.find<KeyLineEdit>(QStringLiteral("chinaput%1").arg(k)); }
QString reference(TestForm& tf, int k) { return tf.find<QLabel>(QStringLiteral("chinatext%1").arg(k))->text(); }
QString marks(TestForm& tf, int k) { return tf.find<QLabel>(QStringLiteral("chinapd%1").arg(k))->text(); }

// One character as a Wubi user types it: the code's keys show a composition, the
// character is committed, and every key comes up afterwards.
void typeCharacter(QChar c) {
    FakeInputContext::preedit(QStringLiteral("khk"));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_K);
    FakeInputContext::commitText(QString(c));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_H);
}

void typeLine(const QString& text) {
    for (QChar c : text) typeCharacter(c);
}

}  // namespace

class TestInputHandover : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY2(FakeInputContext::instance(), "the fake input context was not loaded");
    }

    // How the text moves on; afterwards the next character must land in `writable`.
    void handOver_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("writable");
        QTest::newRow("a line typed character by character hands over to the next") << "line" << 2;
        QTest::newRow("a commit that fills the line, with the next composition in it, hands over")
            << "lineAndComposition" << 2;
        QTest::newRow("the fifth line turns the page") << "page" << 1;
        QTest::newRow("下一页 in the middle of a line turns the page") << "nextPage" << 1;
    }
    void handOver() {
        QFETCH(QString, how);
        QFETCH(int, writable);
        auto tf = makeShownForm();
        QVERIFY(tf);
        tf->form->startExercise(ExerciseId::HighFrequency);
        FakeInputContext& ic = *FakeInputContext::instance();
        QObject* focus = QGuiApplication::focusObject();
        QVERIFY(focus);
        QVERIFY(QInputMethod::queryFocusObject(Qt::ImEnabled, {}).toBool());
        ic.resets = ic.commits = ic.focusChanges = 0;

        if (how == QLatin1String("line")) {
            typeLine(reference(*tf, 1));
        } else if (how == QLatin1String("lineAndComposition")) {
            FakeInputContext::commitText(reference(*tf, 1), QStringLiteral("khk"));
        } else if (how == QLatin1String("page")) {
            for (int k = 1; k <= 5; ++k) typeLine(reference(*tf, k));
        } else {
            typeLine(reference(*tf, 1).left(3));
            tf->find<QToolButton>(QStringLiteral("chinanextpage"))->click();
        }

        QCOMPARE(ic.resets, 0);
        QCOMPARE(ic.commits, 0);
        QCOMPARE(ic.focusChanges, 0);
        QCOMPARE(QGuiApplication::focusObject(), focus);
        // What the learner sees: the caret in the writable line, every other line read-only.
        for (int k = 1; k <= 5; ++k) {
            QCOMPARE(put(*tf, k)->isReadOnly(), k != writable);
            QCOMPARE(put(*tf, k)->caretShown(), k == writable);
        }
        // The candidate window opens at the writable line.
        const QRectF caret = QGuiApplication::inputMethod()->cursorRectangle();
        const QRect line(put(*tf, writable)->mapTo(tf->form.get(), QPoint(0, 0)), put(*tf, writable)->size());
        QVERIFY2(line.contains(caret.center().toPoint()), qPrintable(QStringLiteral("caret at %1,%2").arg(caret.x()).arg(caret.y())));
        QCOMPARE(focus->property("accessibleName").toString(), QStringLiteral("第%1行输入").arg(writable));
        // No composition is left on show in a finished line: taking any away changes nothing.
        for (int k = 1; k <= 5; ++k) {
            if (k == writable) continue;
            const QImage shown = put(*tf, k)->grab().toImage();
            QInputMethodEvent none;
            QApplication::sendEvent(put(*tf, k), &none);
            QCOMPARE(put(*tf, k)->grab().toImage(), shown);
        }
        if (how == QLatin1String("lineAndComposition")) {
            // The composition moved on to the writable line with the text.
            const QImage shown = put(*tf, writable)->grab().toImage();
            FakeInputContext::preedit(QString());
            QVERIFY(put(*tf, writable)->grab().toImage() != shown);
        }

        // The next character goes into the writable line and is judged there.
        const QChar next = reference(*tf, writable).at(0);
        typeCharacter(next);
        QCOMPARE(put(*tf, writable)->text(), QString(next));
        QCOMPARE(marks(*tf, writable).trimmed(), QString());
        typeCharacter(QChar(0x4E00));  // 一, wrong
        QCOMPARE(marks(*tf, writable).trimmed(), QString(reference(*tf, writable).at(1)));
        QCOMPARE(ic.resets + ic.commits + ic.focusChanges, 0);
    }

    // A click in the line being written moves its caret there; a click on another line
    // takes nothing: the focus stays with the page.
    void clicks() {
        auto tf = makeShownForm();
        QVERIFY(tf);
        tf->form->startExercise(ExerciseId::HighFrequency);
        QObject* focus = QGuiApplication::focusObject();
        typeCharacter(QChar(0x4E2D));
        typeCharacter(QChar(0x4E2D));
        KeyLineEdit* line1 = put(*tf, 1);
        QWidget* under = line1->parentWidget()->childAt(line1->geometry().topLeft() + QPoint(1, line1->height() / 2));
        QVERIFY(under);
        QTest::mouseClick(under, Qt::LeftButton, {}, QPoint(1, under->height() / 2));
        QCOMPARE(QGuiApplication::focusObject(), focus);
        typeCharacter(QChar(0x4E00));
        QCOMPARE(line1->text(), QStringLiteral("一中中"));
        QTest::mouseClick(put(*tf, 3), Qt::LeftButton);
        QCOMPARE(QGuiApplication::focusObject(), focus);
        QVERIFY(put(*tf, 3)->text().isEmpty());
    }

    // The English test is typed on these lines with plain keys, even with Wubi left on.
    void inputMethodOnlyWhereChineseIsTyped_data() {
        QTest::addColumn<QStringList>("exercises");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("a Chinese lesson takes the input method") << QStringList{"lesson"} << true;
        QTest::newRow("the English test keeps it out") << QStringList{"english"} << false;
        QTest::newRow("a Chinese lesson after the English test takes it again")
            << QStringList{"english", "lesson"} << true;
        QTest::newRow("the English test after a Chinese lesson keeps it out") << QStringList{"lesson", "english"} << false;
    }
    void inputMethodOnlyWhereChineseIsTyped() {
        QFETCH(QStringList, exercises);
        QFETCH(bool, enabled);
        auto tf = makeShownForm();
        QVERIFY(tf);
        tf->messages.answerYes = true;
        for (const QString& e : exercises) {
            if (e == QLatin1String("lesson"))
                tf->form->startExercise(ExerciseId::HighFrequency);
            else
                tf->form->startExercise(ExerciseId::EnglishTestFromStart);
            if (e != exercises.last()) {
                // Leave it: 退出 in a lesson, the forced exit in a test.
                auto* exit = tf->find<QToolButton>(e == QLatin1String("lesson") ? QStringLiteral("chinaexit") : QStringLiteral("exitexit"));
                exit->click();
            }
        }
        QCOMPARE(FakeInputContext::instance()->inputMethodAccepted(), enabled);
    }
};

int main(int argc, char** argv) {
    // Before the application: the platform picks its input context when it starts.
    qputenv("QT_IM_MODULE", "jaxofake");
    QApplication app(argc, argv);
    TestInputHandover test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_input_handover.moc"
