// The key drill of each input scheme on a fake host: started from its kind, the keys the
// hint names are right, other keys wrong, both marked; Escape ends it with a report; the
// chart is named and every label on it readable. Wubi's adaptive drills show the item in
// focus and keep their model in their file.
#include "schemedrill/schemechartview.h"
#include "schemedrill/schemekeypanel.h"
#include "support/fakehost.h"
#include "widgets/keylineedit.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

struct Drill {
    FakeHost t;
    KeyLineEdit* input = nullptr;
    SchemeKeyPanel* panel = nullptr;

    explicit Drill(ExerciseId id) {
        panel = new SchemeKeyPanel(t, &t.desk);
        panel->hide();
        t.desk.show();
        panel->start(exerciseKind(id));
        input = t.find<KeyLineEdit>(QStringLiteral("jwput"));
    }
    QString hint() { return t.find<QLabel>(QStringLiteral("jwhint"))->text(); }
    QString row() { return t.find<QLabel>(QStringLiteral("jwrow"))->text(); }
    QLabel* status() { return t.find<QLabel>(QStringLiteral("jwadaptive")); }
    // The keys the hint names for the symbol to type: "zhuang：V L键 ..." -> "vl".
    QString hintedKeys() {
        const QString keys = hint().section(QStringLiteral("："), 1).section(QStringLiteral("键"), 0, 0);
        return keys.toLower().remove(QLatin1Char(' '));
    }
    void type(const QString& keys) {
        for (const QChar c : keys) QTest::keyClick(input, c.toLatin1());
    }
};

}  // namespace

class TestSchemeKeyPanel : public QObject {
    Q_OBJECT
private slots:
    void init() { qputenv("XDG_DATA_HOME", data_.path().toUtf8()); }

    void drill_data() {
        QTest::addColumn<int>("exercise");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("model");  // the adaptive drills' file
        QTest::newRow("full pinyin") << int(ExerciseId::PinyinKeys) << QStringLiteral("全拼键位练习") << QString();
        QTest::newRow("double pinyin, Xiaohe") << int(ExerciseId::XiaoheKeys) << QStringLiteral("双拼（小鹤）键位练习") << QString();
        QTest::newRow("double pinyin, Ziranma") << int(ExerciseId::ZiranmaKeys) << QStringLiteral("双拼（自然码）键位练习") << QString();
        QTest::newRow("Cangjie 5") << int(ExerciseId::CangjieKeys) << QStringLiteral("仓颉五代键位练习") << QString();
        QTest::newRow("Quick 5") << int(ExerciseId::QuickKeys) << QStringLiteral("速成键位练习") << QString();
        QTest::newRow("Zhuyin, keys beyond the letters") << int(ExerciseId::ZhuyinKeys) << QStringLiteral("注音键位练习") << QString();
        QTest::newRow("Wubi radicals, adaptive: the radical in focus shown, the model kept")
            << int(ExerciseId::WubiRadicalsAdaptive) << QStringLiteral("智能字根练习") << QStringLiteral("adaptive-wubi-radicals");
        QTest::newRow("Wubi codes, adaptive: the character in focus shown, the model kept")
            << int(ExerciseId::WubiCodesAdaptive) << QStringLiteral("智能编码练习") << QStringLiteral("adaptive-wubi-codes");
    }
    void drill() {
        QFETCH(int, exercise);
        QFETCH(QString, title);
        QFETCH(QString, model);
        QFile::remove(data_.filePath(QStringLiteral("jaxo/") + model));
        Drill d(static_cast<ExerciseId>(exercise));
        FakeHost& t = d.t;
        QVERIFY(t.find<SchemeKeyPanel>(QStringLiteral("jwform"))->isVisible());
        QVERIFY(t.find<QTimer>(QStringLiteral("jwtimerctr"))->isActive());
        QVERIFY(t.toolBarCollapsed);
        QCOMPARE(t.find<QLabel>(QStringLiteral("jwzuang2a"))->text(), title);
        QCOMPARE(t.desk.focusWidget(), d.input);

        // Every label of the chart readable, and the chart named for a screen reader.
        auto* chart = t.find<SchemeChartView>(QStringLiteral("schemeChart"));
        QVERIFY(chart->everyLabelFits());
        QVERIFY(chart->smallestLabelPixels() >= SchemeChartView::kMinPixels);
        QVERIFY(!chart->accessibleName().isEmpty());
        QVERIFY(chart->geometry().right() < chart->parentWidget()->width());

        // The adaptive drills: the item in focus opens the row, named with its figures and
        // the targets for the eye and for a screen reader.
        QCOMPARE(d.status()->isVisible(), !model.isEmpty());
        if (!model.isEmpty()) {
            const QString symbol = d.hint().section(QStringLiteral("："), 0, 0);
            QVERIFY2(d.status()->text().contains(QStringLiteral("「%1」：还没有成绩").arg(symbol)), qPrintable(d.status()->text()));
            QVERIFY2(d.status()->text().contains(QStringLiteral("目标：每分钟 60 个")), qPrintable(d.status()->text()));
            QCOMPARE(d.input->accessibleDescription(), d.status()->text());
        }

        // The keys the hint names: right, a tick under the symbol.
        const QString right = d.hintedKeys();
        QVERIFY2(!right.isEmpty(), qPrintable(d.hint()));
        d.type(right);
        QCOMPARE(d.panel->score().rightCount, 1);
        QCOMPARE(d.panel->score().wrongCount, 0);
        QVERIFY(d.row().contains(QStringLiteral("✓")));

        // Other keys as many: wrong, a cross, and the miss kept with what was typed.
        // Backspace takes back a key not yet judged.
        const QString expected = d.hintedKeys();
        QString wrong = expected;
        wrong[0] = expected[0] == QLatin1Char('q') ? QLatin1Char('w') : QLatin1Char('q');
        if (expected.size() > 1) {
            d.type(QStringLiteral("x"));
            QTest::keyClick(d.input, Qt::Key_Backspace);
        }
        d.type(wrong);
        QCOMPARE(d.panel->score().rightCount, 1);
        QCOMPARE(d.panel->score().wrongCount, 1);
        QVERIFY(d.row().contains(QStringLiteral("×")));
        QCOMPARE(d.panel->score().misses.entries().size(), size_t(1));
        QCOMPARE(QString::fromStdString(d.panel->score().misses.entries()[0].typed), wrong);

        // Escape: the report with the two answers.
        QTest::keyClick(d.input, Qt::Key_Escape);
        QVERIFY(!t.find<SchemeKeyPanel>(QStringLiteral("jwform"))->isVisible());
        QCOMPARE(t.modalCount, 1);
        QVERIFY(!t.find<QTimer>(QStringLiteral("jwtimerctr"))->isActive());
        if (!model.isEmpty()) {
            QFile f(data_.filePath(QStringLiteral("jaxo/") + model));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray saved = f.readAll();
            QVERIFY2(saved.startsWith("in-play ") && saved.count("\nitem ") >= 1, saved.constData());
        }
    }

    // A Wubi code: its full code, or its own short code ended by Space as the hint says;
    // Space after other keys is wrong.
    void wubiCodeAnswers_data() {
        QTest::addColumn<QString>("answer");  // "full", "short", "other"
        QTest::addColumn<bool>("right");
        QTest::newRow("the full code is right") << "full" << true;
        QTest::newRow("the character's own short code and Space are right") << "short" << true;
        QTest::newRow("a key that is not its short code, then Space: wrong") << "other" << false;
    }
    void wubiCodeAnswers() {
        QFETCH(QString, answer);
        QFETCH(bool, right);
        Drill d(ExerciseId::WubiCodesAdaptive);
        // Right answers until the symbol to type has a short code of its own.
        for (int i = 0; i < 200 && !d.hint().contains(QStringLiteral("简码")); ++i) d.type(d.hintedKeys());
        const QString shortKeys = d.hint().section(QStringLiteral("简码 "), 1).section(QLatin1Char(' '), 0, 0).toLower();
        QVERIFY2(!shortKeys.isEmpty(), qPrintable(d.hint()));
        const int before = d.panel->score().rightCount;
        if (answer == QLatin1String("full")) d.type(d.hintedKeys());
        else d.type((answer == QLatin1String("short") ? shortKeys : shortKeys == QLatin1String("q") ? QStringLiteral("w") : QStringLiteral("q")) + QLatin1Char(' '));
        QCOMPARE(d.panel->score().rightCount - before, right ? 1 : 0);
        QCOMPARE(d.panel->score().wrongCount, right ? 0 : 1);
    }

    // A row answered to its end gives a new row, and the arrow starts again.
    void newRowAfterTheLast() {
        Drill d(ExerciseId::CangjieKeys);
        const QString first = d.row();
        for (int i = 0; i < schemedrill::kRowItems; ++i) d.type(d.hintedKeys());
        QCOMPARE(d.panel->score().rightCount, schemedrill::kRowItems);
        QVERIFY(!d.row().contains(QStringLiteral("✓")));
        QVERIFY(d.row() != first);
    }

private:
    QTemporaryDir data_;
};

QTEST_MAIN(TestSchemeKeyPanel)
#include "test_schemekeypanel.moc"
