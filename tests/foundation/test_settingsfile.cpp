// The settings file: reading at start-up and after a confirmation, writing atomically
// into the user's own file, and the range of the time limits.
#include "common/errors.h"
#include "settings/language.h"
#include "settings/settingsfile.h"
#include "scheme/schemefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {
void writeRaw(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QByteArray readRaw(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

const QByteArray kDefaultBytes = "10\r\n5\r\n10\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\ntrue\r\n";
}  // namespace

Q_DECLARE_METATYPE(Settings)

class TestSettingsFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QTemporaryDir config_;
    Settings s_;
    std::string appDir_;
    LineStore memo_;

    // The default shipped in the data folder, and the user's own file.
    QString path() const { return dir_.filePath(QStringLiteral("sysctr.jxo")); }
    QString userPath() const { return config_.path() + QStringLiteral("/jaxo/sysctr.jxo"); }

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", config_.path().toUtf8()); }

    void init() {
        s_ = Settings{};
        appDir_ = dir_.path().toStdString();
        memo_.clear();
        QDir(config_.path() + QStringLiteral("/jaxo")).removeRecursively();
    }

    void readsEverySetting() {
        writeRaw(path(), "12\r\n3\r\n45\r\ntrue\r\nfalse\r\ntrue\r\nfalse\r\ntrue\r\nfalse\r\ntrue\r\nfalse\r\n");
        QCOMPARE(settings::readSettings(s_, memo_, appDir_), QString());
        QVERIFY(s_ == (Settings{12, 3, 45, true, false, true, false, true, false, true, false}));
    }

    // Each setting has its own line: changing one changes that line alone, and the
    // file reads back as the same settings.
    void eachSettingHasItsLine_data() {
        QTest::addColumn<Settings>("value");
        QTest::addColumn<QByteArray>("written");
        const auto with = [](auto change) {
            Settings v = settings::defaults();
            change(v);
            return v;
        };
        const auto lines = [](int n, const char* text) {
            QList<QByteArray> l = kDefaultBytes.split('\n');
            l[n] = QByteArray(text) + '\r';
            return l.join('\n');
        };
        QTest::newRow("line 1: practice minutes") << with([](Settings& v) { v.practiceMinutes = 999; }) << lines(0, "999");
        QTest::newRow("line 2: test minutes") << with([](Settings& v) { v.testMinutes = 1; }) << lines(1, "1");
        QTest::newRow("line 3: vocabulary minutes") << with([](Settings& v) { v.wordMinutes = 42; }) << lines(2, "42");
        QTest::newRow("line 4: main music") << with([](Settings& v) { v.mainMusic = false; }) << lines(3, "false");
        QTest::newRow("line 5: Chinese music") << with([](Settings& v) { v.chineseMusic = false; }) << lines(4, "false");
        QTest::newRow("line 6: English music") << with([](Settings& v) { v.englishMusic = false; }) << lines(5, "false");
        QTest::newRow("line 7: test music") << with([](Settings& v) { v.testMusic = false; }) << lines(6, "false");
        QTest::newRow("line 8: vocabulary music") << with([](Settings& v) { v.wordMusic = false; }) << lines(7, "false");
        QTest::newRow("line 9: key sound") << with([](Settings& v) { v.keySound = false; }) << lines(8, "false");
        QTest::newRow("line 10: desktop launcher") << with([](Settings& v) { v.desktopShortcut = false; }) << lines(9, "false");
        QTest::newRow("line 11: menu launcher") << with([](Settings& v) { v.startMenuShortcut = false; }) << lines(10, "false");
    }
    void eachSettingHasItsLine() {
        QFETCH(Settings, value);
        QFETCH(QByteArray, written);
        settings::writeSettings(value, memo_);
        QCOMPARE(readRaw(userPath()), written);
        Settings back;
        QCOMPARE(settings::readSettings(back, memo_, appDir_), QString());
        QVERIFY(back == value);
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
        QTest::newRow("1, yes and on are off") << QByteArray("1\n2\n3\n1\nyes\non\n") << false << false;
        QTest::newRow("a word after true is off") << QByteArray("1\n2\n3\ntrue false\ntrue\n") << false << true;
    }
    void switches() {
        QFETCH(QByteArray, file);
        QFETCH(bool, mainOn);
        QFETCH(bool, chineseOn);
        writeRaw(path(), file);
        settings::readSettings(s_, memo_, appDir_);
        QCOMPARE(s_.mainMusic, mainOn);
        QCOMPARE(s_.chineseMusic, chineseOn);
        QVERIFY(!s_.startMenuShortcut);
    }

    // Lines after the eleventh are ignored, and not written back.
    void linesAfterTheEleventhIgnored() {
        writeRaw(path(), "1\n2\n3\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\nextra\n7\nignored\n");
        QCOMPARE(settings::readSettings(s_, memo_, appDir_), QString());
        QVERIFY(s_ == (Settings{1, 2, 3, true, true, true, true, true, true, true, true}));
        settings::writeSettings(s_, memo_);
        QCOMPARE(readRaw(userPath()), "1\r\n2\r\n3\r\n" + kDefaultBytes.mid(11));
    }

    // Limits not read yet keep the defaults, never a 0 that would end every exercise.
    void nonInteger_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("practice");
        QTest::addColumn<int>("test");
        QTest::newRow("line 1") << QByteArray("x1\n5\n10\ntrue\n") << "'x1' is not a valid integer value" << 10 << 5;
        QTest::newRow("line 2 empty") << QByteArray("7\n\n10\ntrue\n") << "'' is not a valid integer value" << 7 << 5;
        QTest::newRow("line 3") << QByteArray("7\n8\n1 0\ntrue\n") << "'1 0' is not a valid integer value" << 7 << 8;
        QTest::newRow("beyond 32 bits") << QByteArray("7\n8\n99999999999\ntrue\n") << "'99999999999' is not a valid integer value" << 7 << 8;
        QTest::newRow("empty file") << QByteArray() << "'' is not a valid integer value" << 10 << 5;
        QTest::newRow("hexadecimal") << QByteArray("0x10\n5\n10\ntrue\n") << "'0x10' is not a valid integer value" << 10 << 5;
        QTest::newRow("trailing blank") << QByteArray("7\n5 \n10\ntrue\n") << "'5 ' is not a valid integer value" << 7 << 5;
    }
    void nonInteger() {
        QFETCH(QByteArray, file);
        QFETCH(QString, message);
        QFETCH(int, practice);
        QFETCH(int, test);
        writeRaw(path(), file);
        try {
            settings::readSettings(s_, memo_, appDir_);
            QFAIL("the conversion must fail");
        } catch (const JaxoError& e) {
            QCOMPARE(e.text(), message);
        }
        QCOMPARE(s_.practiceMinutes, practice);
        QCOMPARE(s_.testMinutes, test);
        QCOMPARE(s_.wordMinutes, 10);
        QVERIFY(!s_.mainMusic);  // the switches after the failing line are not assigned
    }

    // A limit is 1 to 999 minutes; another value in the file is named once, in one
    // message, and its default is used.
    void limitRange_data() {
        QTest::addColumn<QByteArray>("limits");
        QTest::addColumn<QList<int>>("used");
        QTest::addColumn<QStringList>("named");
        QTest::newRow("1, 60 and 999 are kept") << QByteArray("1\n60\n999\n") << QList<int>{1, 60, 999} << QStringList{};
        QTest::newRow("0 would end every exercise at once: default") << QByteArray("0\n5\n10\n") << QList<int>{10, 5, 10}
                                                                   << QStringList{"“练习时间”是 0，已改用 10"};
        QTest::newRow("a negative limit: default") << QByteArray("10\n-1\n10\n") << QList<int>{10, 5, 10}
                                                 << QStringList{"“测试时间”是 -1，已改用 5"};
        QTest::newRow("1000 and more: default") << QByteArray("10\n5\n1000\n") << QList<int>{10, 5, 10}
                                              << QStringList{"“背单词时间”是 1000，已改用 10"};
        QTest::newRow("two at once: one message naming both")
            << QByteArray("0\n5\n2147483647\n") << QList<int>{10, 5, 10}
            << QStringList{"“练习时间”是 0，已改用 10", "“背单词时间”是 2147483647，已改用 10"};
    }
    void limitRange() {
        QFETCH(QByteArray, limits);
        QFETCH(QList<int>, used);
        QFETCH(QStringList, named);
        writeRaw(path(), limits + "true\ntrue\n");
        const QString note = settings::readSettings(s_, memo_, appDir_);
        QCOMPARE((QList<int>{s_.practiceMinutes, s_.testMinutes, s_.wordMinutes}), used);
        if (named.isEmpty()) {
            QCOMPARE(note, QString());
        } else {
            QVERIFY2(note.contains(path()), qPrintable(note));
            QVERIFY2(note.contains(QStringLiteral("1～999")), qPrintable(note));
            for (const QString& n : named) QVERIFY2(note.contains(n), qPrintable(note));
        }
        QVERIFY(s_.chineseMusic);  // the rest of the file is read all the same
    }


    // A line is read as its first 299 bytes: the message quotes no more of it.
    void overLongLineCutTo299() {
        writeRaw(path(), "1\n" + QByteArray(400, '7') + "\n3\ntrue" + QByteArray(396, ' ') + "\n");
        try {
            settings::readSettings(s_, memo_, appDir_);
            QFAIL("the conversion must fail");
        } catch (const JaxoError& e) {
            QCOMPARE(e.text(), QStringLiteral("'%1' is not a valid integer value").arg(QString(299, QLatin1Char('7'))));
        }
        writeRaw(path(), "1\n2\n3\ntrue" + QByteArray(396, ' ') + "\ntrue\n");
        settings::readSettings(s_, memo_, appDir_);
        QVERIFY(!s_.mainMusic && s_.chineseMusic);
    }

    void missingFile() {
        QFile::remove(path());
        try {
            settings::readSettings(s_, memo_, appDir_);
            QFAIL("a missing file must fail");
        } catch (const JaxoError& e) {
            QCOMPARE(e.text(), QStringLiteral("Cannot open file ") + path());
        }
        QCOMPARE(s_.practiceMinutes, 10);  // the default, not 0
    }

    void confirmationReadsEveryLineBack() {
        writeRaw(path(), "1\n2\n3\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\ntrue\n");
        settings::readSettings(s_, memo_, appDir_);
        const Settings confirmed{4, 5, 6, false, false, false, false, false, false, false, false};
        settings::writeSettings(confirmed, memo_);
        settings::readSettings(s_, memo_, appDir_);
        QVERIFY(s_ == confirmed);
    }

    // The user's file, in a folder made on the first write; the shipped default is
    // read until then and never written.
    void userFileFirstThenTheShippedDefault() {
        writeRaw(path(), "1\n2\n3\ntrue\n");
        QCOMPARE(QString::fromStdString(settings::filePath(appDir_)), path());
        settings::readSettings(s_, memo_, appDir_);
        QCOMPARE(s_.practiceMinutes, 1);
        settings::writeSettings(settings::defaults(), memo_);
        QCOMPARE(readRaw(userPath()), kDefaultBytes);
        QCOMPARE(readRaw(path()), QByteArray("1\n2\n3\ntrue\n"));
        QCOMPARE(QString::fromStdString(settings::filePath(appDir_)), userPath());
        settings::readSettings(s_, memo_, appDir_);
        QCOMPARE(s_.practiceMinutes, 10);
        // A new shipped default (a rebuild, an upgrade) leaves the user's settings alone.
        writeRaw(path(), "7\n7\n7\nfalse\n");
        settings::readSettings(s_, memo_, appDir_);
        QCOMPARE(s_.practiceMinutes, 10);
        QVERIFY(s_.mainMusic);
    }

    void writesElevenCrLfLines() {
        settings::writeSettings(settings::defaults(), memo_);
        QCOMPARE(readRaw(userPath()), kDefaultBytes);
    }

    // A file that may be written in a folder that may not: written in place.
    void writableFileInReadOnlyFolder() {
        const QString folder = config_.path() + QStringLiteral("/jaxo");
        QVERIFY(QDir().mkpath(folder));
        writeRaw(userPath(), "1\n2\n3\n");
        // Root writes through permissions: act as an ordinary user for the write.
        const bool asRoot = geteuid() == 0;
        if (asRoot) {
            QFile::setPermissions(config_.path(), QFile::permissions(config_.path()) | QFileDevice::ExeOther);
            QVERIFY(chown(qPrintable(userPath()), 65534, 65534) == 0);
        }
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                          QFileDevice::ExeOther);
        QFile::setPermissions(userPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (asRoot) QVERIFY(setegid(65534) == 0 && seteuid(65534) == 0);
        QString error;
        try {
            settings::writeSettings(settings::defaults(), memo_);
        } catch (const JaxoError& e) {
            error = e.text();
        }
        if (asRoot) QVERIFY(seteuid(0) == 0 && setegid(0) == 0);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QCOMPARE(error, QString());
        QCOMPARE(readRaw(userPath()), kDefaultBytes);
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("sysctr.jxo")});
    }

    // The settings folder cannot be made: the error names the user's file; nothing changes.
    void unwritableConfigKeepsFileAndMemory() {
        // A file where the folder should be: no user can create the folder then.
        writeRaw(config_.path() + QStringLiteral("/jaxo"), "not a folder");
        writeRaw(path(), "1\n2\n3\n");
        settings::readSettings(s_, memo_, appDir_);
        try {
            settings::writeSettings(settings::defaults(), memo_);
            QFAIL("writing must fail");
        } catch (const JaxoError& e) {
            QCOMPARE(e.text(), QStringLiteral("Cannot create file ") + userPath());
        }
        QCOMPARE(s_.practiceMinutes, 1);
        QCOMPARE(readRaw(path()), QByteArray("1\n2\n3\n"));
        QFile::remove(config_.path() + QStringLiteral("/jaxo"));
    }

    // The interface language: the file's choice, else the desktop's (LANGUAGE first, then
    // LC_ALL, LC_MESSAGES, LANG).
    void interfaceLanguage_data() {
        QTest::addColumn<QByteArray>("file");  // "-": no file
        QTest::addColumn<QByteArray>("languageList");
        QTest::addColumn<QByteArray>("lang");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("mainland Chinese desktop: the source texts") << QByteArray("-") << QByteArray() << QByteArray("zh_CN.UTF-8") << "zh_CN";
        QTest::newRow("Singapore reads Simplified") << QByteArray("-") << QByteArray() << QByteArray("zh_SG.UTF-8") << "zh_CN";
        QTest::newRow("bare zh reads Simplified") << QByteArray("-") << QByteArray("zh") << QByteArray() << "zh_CN";
        QTest::newRow("Taiwan reads Traditional") << QByteArray("-") << QByteArray() << QByteArray("zh_TW.UTF-8") << "zh_TW";
        QTest::newRow("Hong Kong reads Traditional") << QByteArray("-") << QByteArray("zh_HK") << QByteArray("C") << "zh_TW";
        QTest::newRow("Macao reads Traditional") << QByteArray("-") << QByteArray() << QByteArray("zh_MO") << "zh_TW";
        QTest::newRow("any other language reads English") << QByteArray("-") << QByteArray() << QByteArray("de_DE.UTF-8") << "en";
        QTest::newRow("C locale reads English") << QByteArray("-") << QByteArray() << QByteArray("C.UTF-8") << "en";
        QTest::newRow("LANGUAGE comes before LANG") << QByteArray("-") << QByteArray("en_US:zh_CN") << QByteArray("zh_CN.UTF-8") << "en";
        QTest::newRow("the saved choice comes before the desktop") << QByteArray("en\n") << QByteArray("zh_TW") << QByteArray("zh_TW") << "en";
        QTest::newRow("a saved Traditional choice") << QByteArray("zh_TW\n") << QByteArray() << QByteArray("en_GB") << "zh_TW";
        QTest::newRow("an empty file follows the desktop") << QByteArray("\n") << QByteArray() << QByteArray("zh_TW") << "zh_TW";
        QTest::newRow("garbage in the file follows the desktop") << QByteArray("klingon\x01\xff\n") << QByteArray() << QByteArray("zh_HK") << "zh_TW";
    }
    void interfaceLanguage() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, languageList);
        QFETCH(QByteArray, lang);
        QFETCH(QString, chosen);
        if (file != "-") {
            QVERIFY(QDir().mkpath(config_.path() + QStringLiteral("/jaxo")));
            writeRaw(language::choiceFilePath(), file);
        }
        qputenv("LANGUAGE", languageList);
        qputenv("LANG", lang);
        qunsetenv("LC_ALL");
        qunsetenv("LC_MESSAGES");
        QCOMPARE(language::chosen(), chosen);
    }

    // The panel's choice is kept whole, and "follow the desktop" is kept as an empty line.
    void interfaceLanguageSaved_data() {
        QTest::addColumn<QString>("choice");
        QTest::newRow("English") << "en";
        QTest::newRow("Traditional Chinese") << "zh_TW";
        QTest::newRow("follow the desktop") << "";
    }
    void interfaceLanguageSaved() {
        QFETCH(QString, choice);
        QString error;
        QVERIFY2(language::saveChoice(choice, &error), qPrintable(error));
        QCOMPARE(language::savedChoice(), choice);
        QCOMPARE(QFile(language::choiceFilePath()).permissions() & (QFile::ReadGroup | QFile::ReadOther), QFile::Permissions());
    }

    // The scheme's own file: whatever is in it, a start gets a scheme, and the settings
    // file is not touched.
    void schemeChoice_data() {
        QTest::addColumn<QByteArray>("content");  // "<missing>": no file
        QTest::addColumn<QString>("scheme");
        QTest::newRow("no file: Wubi") << QByteArray("<missing>") << QStringLiteral("wubi86");
        QTest::newRow("an id") << QByteArray("cangjie5\n") << QStringLiteral("cangjie5");
        QTest::newRow("an id with CR LF and blanks") << QByteArray("  zhuyin \r\n") << QStringLiteral("zhuyin");
        QTest::newRow("an id without a line break") << QByteArray("shuangpin-ziranma") << QStringLiteral("shuangpin-ziranma");
        QTest::newRow("an unknown id: Wubi") << QByteArray("dvorak\n") << QStringLiteral("wubi86");
        QTest::newRow("empty: Wubi") << QByteArray("") << QStringLiteral("wubi86");
        QTest::newRow("binary garbage: Wubi") << QByteArray("\xff\xfe\0pinyin\x80", 11) << QStringLiteral("wubi86");
        QTest::newRow("an id after 64 KiB of blanks: Wubi") << QByteArray(65536, ' ') + "pinyin" << QStringLiteral("wubi86");
    }
    void schemeChoice() {
        QFETCH(QByteArray, content);
        QFETCH(QString, scheme);
        const QString file = config_.path() + QStringLiteral("/jaxo/scheme");
        QDir().mkpath(config_.path() + QStringLiteral("/jaxo"));
        if (content != "<missing>") writeRaw(file, content);
        QCOMPARE(QString::fromLatin1(scheme::readChoice().id.data()), scheme);
        QVERIFY(!QFile::exists(userPath()));
    }

    // A choice is kept for the next start, one line, the learner's alone.
    void schemeChoiceKept_data() {
        QTest::addColumn<QString>("scheme");
        for (const scheme::Scheme& s : scheme::schemes()) QTest::newRow(s.id.data()) << QString::fromLatin1(s.id.data());
    }
    void schemeChoiceKept() {
        QFETCH(QString, scheme);
        const QByteArray id = scheme.toLatin1();
        QString error;
        QVERIFY2(scheme::writeChoice(*scheme::find(id.toStdString()), &error), qPrintable(error));
        QCOMPARE(readRaw(scheme::choiceFilePath()), id + '\n');
        QVERIFY(!(QFile::permissions(scheme::choiceFilePath()) & (QFile::ReadGroup | QFile::ReadOther)));
        QCOMPARE(&scheme::readChoice(), scheme::find(id.toStdString()));
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "test_settingsfile.moc"
