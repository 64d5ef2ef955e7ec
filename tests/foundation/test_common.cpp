// Byte texts, line stores, the random source, elapsed time and the error display.
#include "common/atomicwrite.h"
#include "common/bytetext.h"
#include "common/datadir.h"
#include "common/elapsed.h"
#include "common/errors.h"
#include "common/linestore.h"
#include "common/randomsource.h"

#include "../../tools/gbconv.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <thread>

namespace {
// The permission bits as the system keeps them (umask and all).
int modeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? static_cast<int>(st.st_mode & 07777) : -1;
}
}  // namespace

class TestCommon : public QObject {
    Q_OBJECT
private slots:
    void randomFirstDraws() {
        RandomSource r;
        const int expected[] = {346, 13854878, 1621890440, 816282396, 1778554774, 821126358};
        for (int e : expected) QCOMPARE(r.next(), e);
    }

    void copy_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("middle") << QByteArray("abcdef") << 2 << 3 << QByteArray("bcd");
        QTest::newRow("start below 1 acts as 1") << QByteArray("abcdef") << 0 << 2 << QByteArray("ab");
        QTest::newRow("negative start") << QByteArray("abcdef") << -5 << 3 << QByteArray("abc");
        QTest::newRow("clipped at the end") << QByteArray("abcdef") << 5 << 10 << QByteArray("ef");
        QTest::newRow("start past the end") << QByteArray("abc") << 4 << 1 << QByteArray();
        QTest::newRow("zero count") << QByteArray("abc") << 1 << 0 << QByteArray();
        QTest::newRow("empty text") << QByteArray() << 1 << 3 << QByteArray();
    }
    void copy() {
        QFETCH(QByteArray, text);
        QFETCH(int, start);
        QFETCH(int, count);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(bytes::copy(text.toStdString(), start, count)), expected);
    }

    void gb18030RoundTrip_data() {
        QTest::addColumn<QString>("unicode");
        QTest::addColumn<QByteArray>("gb");
        QTest::newRow("中") << QStringLiteral("中") << QByteArray("\xD6\xD0");
        QTest::newRow("ASCII") << QStringLiteral("ab") << QByteArray("ab");
        QTest::newRow("FE50") << QString(QChar(0x2E81)) << QByteArray("\xFE\x50");
        QTest::newRow("FE51 outside the BMP") << QString::fromUcs4(U"\U00020087") << QByteArray("\xFE\x51");
        QTest::newRow("FE6D") << QString(QChar(0x9FB8)) << QByteArray("\xFE\x6D");
        QTest::newRow("katakana ma") << QStringLiteral("マ") << QByteArray("\xA5\xDE");
        QTest::newRow("times sign") << QStringLiteral("×") << QByteArray("\xA1\xC1");
        QTest::newRow("up arrow") << QStringLiteral("↑") << QByteArray("\xA1\xFC");
    }
    void gb18030RoundTrip() {
        QFETCH(QString, unicode);
        QFETCH(QByteArray, gb);
        QCOMPARE(QByteArray::fromStdString(bytes::fromUnicode(unicode)), gb);
        QCOMPARE(bytes::toUnicode(gb.toStdString()), unicode);
    }

    void invalidBytesShowReplacement() {
        const std::string bad = "a\xFF" "b";
        QVERIFY(!bytes::isValidGb18030(bad));
        QCOMPARE(bytes::toUnicode(bad), QStringLiteral("a\uFFFDb"));
        QVERIFY(bytes::isValidGb18030(bytes::gb("中国abc")));
    }

    void charLength_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("at");
        QTest::addColumn<int>("length");
        QTest::newRow("ascii") << QByteArray("a\xD6\xD0") << 0 << 1;
        QTest::newRow("two-byte") << QByteArray("a\xD6\xD0") << 1 << 2;
        QTest::newRow("lone lead byte at the end") << QByteArray("a\xD6") << 1 << 1;
        QTest::newRow("four-byte") << QByteArray("\x81\x30\x81\x30") << 0 << 4;
    }
    void charLength() {
        QFETCH(QByteArray, text);
        QFETCH(int, at);
        QFETCH(int, length);
        QCOMPARE(bytes::charLength(text.toStdString(), static_cast<size_t>(at)), length);
    }

    void lineStore_data() {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"} << QByteArray("a\r\nb\r\n");
        QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"} << QByteArray("a\r\nb\r\n");
        QTest::newRow("CR") << QByteArray("a\rb") << QStringList{"a", "b"} << QByteArray("a\r\nb");
        QTest::newRow("no final break") << QByteArray("abc") << QStringList{"abc"} << QByteArray("abc");
        QTest::newRow("empty line kept") << QByteArray("a\n\nb") << QStringList{"a", "", "b"} << QByteArray("a\r\n\r\nb");
        QTest::newRow("empty") << QByteArray() << QStringList{} << QByteArray();
        QTest::newRow("only a break") << QByteArray("\n") << QStringList{""} << QByteArray("\r\n");
    }
    void lineStore() {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, lines);
        QFETCH(QByteArray, text);
        LineStore s;
        s.loadText(input.toStdString());
        QCOMPARE(s.count(), lines.size());
        for (int i = 0; i < lines.size(); ++i) QCOMPARE(QString::fromStdString(s.line(i)), lines[i]);
        QCOMPARE(QByteArray::fromStdString(s.text()), text);
        QCOMPARE(s.line(lines.size()), std::string());  // past the end
        QCOMPARE(s.line(-1), std::string());
    }

    void lineStoreFind() {
        LineStore s;
        s.loadText("abc\r\ndef");
        QCOMPARE(s.find("def"), 5);
        QCOMPARE(s.find("c\r\nd"), 2);
        QCOMPARE(s.find("xyz"), -1);
    }

    void lineStoreFiles() {
        QTemporaryDir dir;
        const std::string path = dir.filePath(QStringLiteral("x.txt")).toStdString();
        LineStore s;
        s.appendLine("one");
        s.appendLine("two");
        s.saveToFile(path);
        LineStore back;
        back.loadFile(path);
        QCOMPARE(QByteArray::fromStdString(back.text()), QByteArray("one\r\ntwo\r\n"));
        try {
            back.loadFile(dir.filePath(QStringLiteral("missing.txt")).toStdString());
            QFAIL("a missing file must fail");
        } catch (const JaxoError& e) {
            QCOMPARE(e.text(), QStringLiteral("Cannot open file ") + dir.filePath(QStringLiteral("missing.txt")));
        }
        // The failed load leaves what was loaded before.
        QCOMPARE(back.count(), 2);
    }

    // A damaged text is refused as a whole, naming the file and the first bad byte; the
    // build checks the files it writes by the same rule.
    void damagedTextRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("badAt");  // -1: taken
        QTest::newRow("empty file is taken") << QByteArray() << -1;
        QTest::newRow("two-byte characters and ASCII are taken") << QByteArray("ab\xD6\xD0\r\n\xCE\xC4") << -1;
        QTest::newRow("a valid four-byte character is taken") << QByteArray("a\x81\x30\x81\x30z") << -1;
        QTest::newRow("a radical of the FE50 row is taken") << QByteArray("\xFE\x50") << -1;
        QTest::newRow("cut off after a lead byte") << QByteArray("ab\xD6\xD0\xCE") << 4;
        QTest::newRow("cut off inside a four-byte character") << QByteArray("ab\x81\x30\x81") << 2;
        QTest::newRow("0x80 leads nothing") << QByteArray("ab\x80" "cd") << 2;
        QTest::newRow("0xFF leads nothing") << QByteArray("\xFF" "ab") << 0;
        QTest::newRow("a lead byte before a blank") << QByteArray("\xD6\xD0\xB0 x") << 2;
        QTest::newRow("a lead byte before a line break") << QByteArray("x\xB0\r\ny") << 1;
        QTest::newRow("a four-byte code beyond the table") << QByteArray("\x84\x31\xA5\x30") << 0;
        QTest::newRow("only the first of two bad bytes is named") << QByteArray("a\xFF" "b\x80") << 1;
    }
    void damagedTextRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, badAt);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("lesson.txt"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        LineStore s;
        s.loadText("before");
        QString message;
        try {
            s.loadFile(path.toStdString());
        } catch (const JaxoError& e) {
            message = e.text();
        }
        if (badAt < 0) {
            QCOMPARE(message, QString());
            QCOMPARE(QByteArray::fromStdString(s.text()), bytes);
        } else {
            QCOMPARE(message, QStringLiteral("File %1 is damaged: the byte at offset %2 is not GB18030 text").arg(path).arg(badAt));
            QCOMPARE(QByteArray::fromStdString(s.text()), QByteArray("before"));  // left as it was
        }
        // The build's check of the files it writes agrees.
        QCOMPARE(firstInvalidGb18030(bytes.toStdString()), static_cast<long long>(badAt));
        // So does the check of a file read in blocks, wherever a block ends.
        const std::string all = bytes.toStdString();
        for (size_t cut = 0; cut <= all.size(); ++cut) {
            for (size_t second = cut; second <= all.size(); ++second) {
                ::bytes::Gb18030Check check;
                const std::string_view v = all;
                if (check.feed(v.substr(0, cut)) && check.feed(v.substr(cut, second - cut))) check.feed(v.substr(second));
                check.finish();
                QCOMPARE(check.firstInvalid(), static_cast<long long>(badAt));
            }
        }
    }

    // Settings hold digits and switch words and are read as they stand.
    void rawFileIsNotChecked() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sysctr.jxo"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("1\xFF\r\ntrue\r\n");
        f.close();
        LineStore s;
        s.loadFile(path.toStdString(), LineStore::Check::Raw);
        QCOMPARE(s.count(), 2);
        QCOMPARE(QByteArray::fromStdString(s.line(0)), QByteArray("1\xFF"));
    }

    // A file is written whole or not at all: on any failure the old one stays.
    void atomicWrite_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("written");
        QTest::addColumn<int>("mode");  // the file's permission bits afterwards, -1 unchecked
        QTest::newRow("a new file is written, the user's alone") << "new" << true << 0600;
        QTest::newRow("an old file is replaced and keeps its permissions") << "old" << true << 0644;
        QTest::newRow("a folder in the file's place stays") << "folder" << false << -1;
        QTest::newRow("a missing folder is no file") << "nofolder" << false << -1;
        QTest::newRow("the run bits asked for are set") << "mode" << true << 0700;
        QTest::newRow("folders made for it are the user's alone") << "folders" << true << 0600;
    }
    void atomicWrite() {
        QFETCH(QString, how);
        QFETCH(bool, written);
        QFETCH(int, mode);
        QTemporaryDir dir;
        QString path = dir.filePath(QStringLiteral("f.txt"));
        if (how == QLatin1String("nofolder")) path = dir.filePath(QStringLiteral("none/f.txt"));
        if (how == QLatin1String("folders")) {
            path = dir.filePath(QStringLiteral("a/b/f.txt"));
            QVERIFY(atomicwrite::makeFolder(dir.filePath(QStringLiteral("a/b"))));
            for (const char* folder : {"a", "a/b"}) QCOMPARE(modeOf(dir.filePath(QString::fromLatin1(folder))), 0700);
        }
        if (how == QLatin1String("folder")) QVERIFY(QDir().mkdir(path));
        if (how == QLatin1String("old")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old text that is longer");
            f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        }
        atomicwrite::Options options;
        if (how == QLatin1String("mode"))
            options.permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
        QString error;
        QCOMPARE(atomicwrite::write(path, QByteArrayView("new\r\n"), &error, options), written);
        QCOMPARE(error, written ? QString() : QStringLiteral("Cannot create file ") + path);
        QFile back(path);
        if (written) {
            QVERIFY(back.open(QIODevice::ReadOnly));
            QCOMPARE(back.readAll(), QByteArray("new\r\n"));
        } else {
            QVERIFY(!back.open(QIODevice::ReadOnly) || QFileInfo(path).isDir());
        }
        if (mode >= 0) QCOMPARE(modeOf(path), mode);
        // No temporary file is left beside it.
        QCOMPARE(QDir(QFileInfo(path).path()).entryList(QDir::Files).size(), written ? 1 : 0);
    }

    // Conversions on short-lived threads: each thread's descriptors go with it (a
    // sanitized build reports any that stay open).
    void conversionsOnThreadsThatEnd() {
        for (int i = 0; i < 20; ++i) {
            QString back;
            std::thread t([&] { back = bytes::toUnicode(bytes::fromUnicode(QStringLiteral("中文 abc"))); });
            t.join();
            QCOMPARE(back, QStringLiteral("中文 abc"));
        }
    }

    void elapsedText_data() {
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<QString>("text");
        QTest::newRow("one second") << qint64{1000} << "0:00:01";
        QTest::newRow("a tick 3 ms early shows its second") << qint64{59997} << "0:01:00";
        QTest::newRow("a tick 400 ms late shows its second") << qint64{330400} << "0:05:30";
        QTest::newRow("59:59") << qint64{3599000} << "0:59:59";
        QTest::newRow("an hour") << qint64{3600000} << "1:00:00";
        QTest::newRow("an hour and two minutes") << qint64{3725000} << "1:02:05";
        QTest::newRow("ten hours") << qint64{36061000} << "10:01:01";
        QTest::newRow("a clock read before the start") << qint64{-5000} << "0:00:00";
    }
    void elapsedText() {
        QFETCH(qint64, ms);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(elapsed::text(elapsed::seconds(ms))), text);
    }

    // Installed, the data folder beside the program's; in the build tree the program's own.
    void dataFolder_data() {
        QTest::addColumn<bool>("installed");
        QTest::newRow("installed layout: bin and share/jaxo") << true;
        QTest::newRow("build tree: the data beside the program") << false;
    }
    void dataFolder() {
        QFETCH(bool, installed);
        QTemporaryDir root;
        const QString bin = root.path() + QStringLiteral("/usr/bin");
        QVERIFY(QDir().mkpath(bin));
        if (installed) QVERIFY(QDir().mkpath(root.path() + QStringLiteral("/usr/share/jaxo")));
        const QString expected = installed ? root.path() + QStringLiteral("/usr/share/jaxo") : bin;
        QCOMPARE(QString::fromStdString(datadir::locate(bin, QStringLiteral("../share/jaxo"))), expected);
        QCOMPARE(QString::fromStdString(datadir::locate(bin + QLatin1Char('/'), QStringLiteral("../share/jaxo"))), expected);
    }

    void displayText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter gets a full stop") << "Cannot open file /a/b" << "Cannot open file /a/b.";
        QTest::newRow("quote gets one") << "'x' is not a valid integer value" << "'x' is not a valid integer value.";
        QTest::newRow("full stop stays") << "Done." << "Done.";
        QTest::newRow("exclamation sorts below") << "Oops!" << "Oops!";
        QTest::newRow("empty stays empty") << "" << "";
    }
    void displayText() {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(errors::displayText(text), shown);
    }
};

QTEST_GUILESS_MAIN(TestCommon)
#include "test_common.moc"
