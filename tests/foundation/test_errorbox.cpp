// The error display's box: long texts wrap at blanks and after "/", a run wider than
// the box breaks where it must, and the text shown, copied and read aloud is exactly
// the message.
#include "app/services.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QtTest>

class TestErrorBox : public QObject {
    Q_OBJECT
private slots:
    void longTextsWrapWithoutAddedCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("onlyAtBlanksAndSlashes");
        QTest::addColumn<int>("minLines");
        QTest::newRow("a short message stays on one line") << "Cannot open file /opt/app/gpz.jxo." << true << 1;
        QTest::newRow("a long path breaks after its slashes")
            << "Cannot create file /home/learner/documents/typing/lessons/for/the/whole/class/of/this/year/sysctr.jxo."
            << true << 2;
        QTest::newRow("a long sentence breaks at blanks")
            << "File /opt/app/clesson.txt is damaged: the byte at offset 123456 is not GB18030 text and the lesson "
               "cannot be shown as it stands."
            << true << 2;
        QTest::newRow("a run wider than the box breaks inside the run")
            << QStringLiteral("'") + QString(290, QLatin1Char('7')) + QStringLiteral("' is not a valid integer value.")
            << false << 3;
    }
    void longTextsWrapWithoutAddedCharacters() {
        QFETCH(QString, text);
        QFETCH(bool, onlyAtBlanksAndSlashes);
        QFETCH(int, minLines);
        const auto box = errorBox(text);
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));

        QCOMPARE(box->windowTitle(), QStringLiteral("Jaxo4.00"));
        QVERIFY(box->width() <= box->screen()->availableGeometry().width());
        // What is read aloud: every visible label of the box, with its text unchanged.
        QStringList spoken;
        for (QLabel* l : box->findChildren<QLabel*>()) {
            if (!l->isVisible() || l->text().isEmpty()) continue;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(l);
            QVERIFY(a);
            spoken << a->text(QAccessible::Name);
        }
        QCOMPARE(spoken, QStringList(text));

        const QStringList lines = errorBoxLines(*box);
        QVERIFY2(lines.size() >= minLines, qPrintable(lines.join(QLatin1Char('|'))));
        QCOMPARE(lines.join(QString()), text);
        const QLabel* shown = box->findChild<QLabel*>(QStringLiteral("errorText"));
        QVERIFY(shown && shown->isVisible());
        const QFontMetrics fm(shown->font());
        for (int i = 0; i < lines.size(); ++i) {
            QVERIFY2(fm.horizontalAdvance(lines[i].trimmed()) <= shown->contentsRect().width(),
                     qPrintable(QStringLiteral("line %1 is cut off: %2").arg(i).arg(lines[i])));
            if (onlyAtBlanksAndSlashes && i + 1 < lines.size())
                QVERIFY2(lines[i].endsWith(QLatin1Char(' ')) || lines[i].endsWith(QLatin1Char('/')),
                         qPrintable(QStringLiteral("line %1 breaks inside a word: %2").arg(i).arg(lines[i])));
        }
        // Everything shown lies inside the box.
        QVERIFY(shown->geometry().bottom() <= box->height());
        QVERIFY(shown->geometry().right() <= box->width());
    }
};

QTEST_MAIN(TestErrorBox)
#include "test_errorbox.moc"
