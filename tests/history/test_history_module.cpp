// The 成绩记录 button opens its window from the module beside the program; a module
// that is missing, damaged or of another kind gives a message naming the file, opens
// no window and leaves the main screen as it was.
#include "common/install.h"
#include "support/testform.h"

#include <QFile>
#include <QLibraryInfo>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

class TestHistoryModule : public QObject {
    Q_OBJECT
private slots:
    void init() { qunsetenv("JAXO_HISTORY_URL"); }

    void historyButton_data() {
        QTest::addColumn<QString>("module");  // what lies where the module belongs
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("says");  // a part of the message
        QTest::newRow("the module built with the program opens the window") << "built" << true << "";
        QTest::newRow("a missing module is named, no window") << "missing" << false << "找不到";
        QTest::newRow("a file that is no library is named, no window") << "text" << false << "不是程序库文件";
        QTest::newRow("a module cut short is named, no crash") << "truncated" << false << "已损坏";
        QTest::newRow("a library of another kind is named, no window") << "other" << false << "不是本程序这一版的模块";
    }
    void historyButton() {
        QFETCH(QString, module);
        QFETCH(bool, opens);
        QFETCH(QString, says);
        // A file name of its own per row: a module once loaded stays loaded.
        const QString name = QStringLiteral("module-%1.so").arg(module);
        const QString other = QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/imageformats/libqgif.so");
        if (module == QLatin1String("other") && !QFile::exists(other)) {
            if (qEnvironmentVariableIsSet("CI")) QFAIL("no Qt image plug-in to stand in (libqt6gui6 has it)");
            QSKIP("no Qt image plug-in to stand in");
        }
        TestForm t({}, [&](const QString& appDir) {
            const QString built = appDir + QLatin1Char('/') + QLatin1String(install::kHistoryModule);
            const QString target = appDir + QLatin1Char('/') + name;
            if (module == QLatin1String("built")) QVERIFY(QFile::copy(built, target));
            if (module == QLatin1String("other")) QVERIFY(QFile::copy(other, target));
            if (module == QLatin1String("truncated")) {
                // Its headers whole, the code they name cut off.
                QVERIFY(QFile::copy(built, target));
                QFile f(target);
                QVERIFY(f.resize(f.size() / 3));
            }
            if (module == QLatin1String("text")) {
                QFile f(target);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write("not a library\n");
            }
        });
        t.historyModule = t.appDir() + QLatin1Char('/') + name;
        t.build();
        t.form->show();
        auto* tabs = t.find<QTabWidget>(QStringLiteral("mainctr"));
        QVERIFY(tabs);
        const int tab = tabs->currentIndex();
        t.find<QToolButton>(QStringLiteral("historyButton"))->click();
        QCOMPARE(t.modalCount, opens ? 1 : 0);
        if (opens) {
            QCOMPARE(t.lastModal, QStringLiteral("historyView"));
            QVERIFY(t.messages.errors.isEmpty());
        } else {
            QCOMPARE(t.messages.errors.size(), 1);
            const QString shown = t.messages.errors.front();
            QVERIFY2(shown.contains(says), qPrintable(shown));
            QVERIFY2(shown.contains(QDir::toNativeSeparators(t.appDir() + QLatin1Char('/') + name)), qPrintable(shown));
            QVERIFY(t.form->isVisible());
            QVERIFY(t.form->isEnabled());
            QCOMPARE(tabs->currentIndex(), tab);
        }
    }
};

QTEST_MAIN(TestHistoryModule)
#include "test_history_module.moc"
