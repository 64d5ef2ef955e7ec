// The settings file: reading at start-up and after a confirmation, writing atomically.
#include "common/errors.h"
#include "settings/settingsfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void writeRaw(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}
}  // namespace

class TestSettingsFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    MainWindowState s_;
    LineStore memo_;

    QString path() const { return dir_.filePath(QStringLiteral("sysctr.jxo")); }

private slots:
    void init() {
        s_ = MainWindowState{};
        s_.appDir = dir_.path().toStdString();
        memo_.clear();
    }

    void readsEveryMember() {
        writeRaw(path(), "12\r\n3\r\n0\r\ntrue\r\nfalse\r\ntrue\r\nfalse\r\ntrue\r\nfalse\r\ntrue\r\nfalse\r\n");
        settings::readSettings(s_, memo_, 13);
        QCOMPARE(s_.practiceMinutes, 12);
        QCOMPARE(s_.testMinutes, 3);
        QCOMPARE(s_.wordMinutes, 0);
        const std::vector<ByteText> sw = {s_.mainMusic, s_.chineseMusic, s_.englishMusic, s_.testMusic,
                                          s_.wordMusic, s_.keySound, s_.desktopShortcut, s_.startMenuShortcut};
        const std::vector<ByteText> expected = {"true", "false", "true", "false", "true", "false", "true", "false"};
        QCOMPARE(sw, expected);
    }

    void switches_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("mainOn");
        QTest::addColumn<bool>("chineseOn");
        QTest::newRow("three lines: all off") << QByteArray("10\r\n5\r\n10\r\n") << false << false;
        QTest::newRow("line 4 only") << QByteArray("10\n5\n10\ntrue\n") << true << false;
        QTest::newRow("True in capitals is off") << QByteArray("1\n2\n3\nTrue\ntrue\n") << false << true;
        QTest::newRow("trailing blank is off") << QByteArray("1\n2\n3\ntrue \ntrue\n") << false << true;
        QTest::newRow("lone CR line ends") << QByteArray("1\r2\r3\rtrue\rtrue") << true << true;
    }
    void switches() {
        QFETCH(QByteArray, file);
        QFETCH(bool, mainOn);
        QFETCH(bool, chineseOn);
        writeRaw(path(), file);
        settings::readSettings(s_, memo_, 13);
        QCOMPARE(isOn(s_.mainMusic), mainOn);
        QCOMPARE(isOn(s_.chineseMusic), chineseOn);
        QVERIFY(!isOn(s_.startMenuShortcut));
    }

    void twelveLinesReadButUnused() {
        writeRaw(path(), "1\n2\n3\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\nextra\nmore\nignored\n");
        settings::readSettings(s_, memo_, 13);
        QCOMPARE(s_.settingLines[11], ByteText("extra"));
        QCOMPARE(s_.settingLines[12], ByteText("more"));
        QVERIFY(isOn(s_.startMenuShortcut));
    }

    void nonInteger_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("practice");
        QTest::addColumn<int>("test");
        QTest::newRow("line 1") << QByteArray("x1\n5\n10\ntrue\n") << "'x1' is not a valid integer value" << -1 << -1;
        QTest::newRow("line 2 empty") << QByteArray("7\n\n10\ntrue\n") << "'' is not a valid integer value" << 7 << -1;
        QTest::newRow("line 3") << QByteArray("7\n8\n1 0\ntrue\n") << "'1 0' is not a valid integer value" << 7 << 8;
        QTest::newRow("out of range") << QByteArray("7\n8\n99999999999\ntrue\n") << "'99999999999' is not a valid integer value" << 7 << 8;
        QTest::newRow("empty file") << QByteArray() << "'' is not a valid integer value" << -1 << -1;
    }
    void nonInteger() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QFETCH(int, practice);
        QFETCH(int, test);
        s_.practiceMinutes = s_.testMinutes = s_.wordMinutes = -1;
        writeRaw(path(), file);
        try {
            settings::readSettings(s_, memo_, 13);
            QFAIL("the conversion must fail");
        } catch (const JaxoError& e) {
            QCOMPARE(e.text(), message);
        }
        QCOMPARE(s_.practiceMinutes, practice);
        QCOMPARE(s_.testMinutes, test);
        QCOMPARE(s_.wordMinutes, -1);
        QVERIFY(s_.mainMusic.empty());  // the switches after the failing line are not assigned
    }

    void largestIntegerAccepted() {
        writeRaw(path(), "2147483647\n0\n60\n");
        settings::readSettings(s_, memo_, 13);
        QCOMPARE(s_.practiceMinutes, 2147483647);
    }

    void overLongLineCutTo299() {
        const QByteArray longLine(400, 'x');
        writeRaw(path(), "1\n2\n3\n" + longLine + "\n");
        settings::readSettings(s_, memo_, 13);
        QCOMPARE(s_.settingLines[3].size(), size_t(299));
        QVERIFY(!isOn(s_.mainMusic));
    }

    void missingFile() {
        QFile::remove(path());
        try {
            settings::readSettings(s_, memo_, 13);
            QFAIL("a missing file must fail");
        } catch (const JaxoError& e) {
            QCOMPARE(e.text(), QStringLiteral("Cannot open file ") + path());
        }
        QCOMPARE(s_.practiceMinutes, 0);
    }

    void confirmationKeepsShortcutSwitches() {
        writeRaw(path(), "1\n2\n3\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\n");
        settings::readSettings(s_, memo_, 13);
        settings::writeSettings(s_, memo_, {"4", "5", "6", "false", "false", "false", "false", "false", "false", "false", "false"});
        settings::readSettings(s_, memo_, 10);
        QCOMPARE(s_.practiceMinutes, 4);
        QVERIFY(!isOn(s_.keySound));
        QVERIFY(isOn(s_.desktopShortcut));
        QVERIFY(isOn(s_.startMenuShortcut));
        QCOMPARE(s_.settingLines[10], ByteText("true"));  // line 11 is not read again
    }

    void writesElevenCrLfLines() {
        settings::writeSettings(s_, memo_, settings::defaults());
        QFile f(path());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("10\r\n5\r\n10\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\n"));
    }

    void readOnlyFolderKeepsFileAndMemory() {
        if (geteuid() == 0) {
            // root writes anyway: make the target unreplaceable instead.
            QTemporaryDir d;
            s_.appDir = (d.path() + QStringLiteral("/missing-folder")).toStdString();
        } else {
            writeRaw(path(), "1\n2\n3\n");
            QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        }
        s_.practiceMinutes = 1;
        try {
            settings::writeSettings(s_, memo_, settings::defaults());
            QFAIL("writing must fail");
        } catch (const JaxoError& e) {
            QVERIFY(e.text().startsWith(QStringLiteral("Cannot create file ")));
            QVERIFY(e.text().endsWith(QStringLiteral("sysctr.jxo")));
        }
        QCOMPARE(s_.practiceMinutes, 1);
        QFile::setPermissions(dir_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
