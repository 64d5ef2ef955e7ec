// Damaged text files in the program folder, for every loader: a file cut off inside a
// character or holding bytes that are no GB18030 is refused with a message naming the
// file and the offset of its first bad byte, and the main screen stays as it was; a
// valid four-byte character is taken. A text with nothing to type, or a line longer than
// a screen shows, is refused the same way. (The line store's tests hold every kind of bad byte.)
#include "chinese/chinesepanel.h"
#include "common/bytetext.h"
#include "english/englishpanel.h"
#include "support/testform.h"
#include "vocabulary/wordpanel.h"

#include <QtTest>
#include <optional>

namespace {

// What starts the loader, and a valid text of the file's kind that the damage follows.
struct Loader {
    const char* file;
    std::optional<ExerciseId> command;  // none: the file is read at start-up
    QByteArray good;
};

Loader loaderOf(const QString& name) {
    const QByteArray zh = bytes::gb("中文打字练习").c_str();
    if (name == QLatin1String("Chinese lesson")) return {"gpz.jxo", ExerciseId::HighFrequency, zh};
    if (name == QLatin1String("Chinese test text")) return {"ctest.txt", ExerciseId::ChineseTestFromStart, zh};
    if (name == QLatin1String("English lesson")) return {"ywcj.jxo", ExerciseId::EnglishBeginner, "asdf jkl;"};
    if (name == QLatin1String("English test text")) return {"etest.txt", ExerciseId::EnglishTestFromStart, "The quick fox"};
    if (name == QLatin1String("word list"))
        return {"xxyy.eng", ExerciseId::PrimaryWords, QByteArray("apple*") + bytes::gb("苹果").c_str() + "\r\n"};
    return {"jaxo2.sy2", std::nullopt, QByteArray(bytes::gb("中国").c_str()) + "khlg \r\n"};
}

bool mainScreen(const TestForm& t) {
    MainWindow& f = *t.form;
    return f.toolBarTabs()->height() == 90 && f.toolBarTabs()->isEnabled() && f.chinesePanel()->isHidden() &&
           f.englishPanel()->isHidden() && f.wordPanel()->isHidden() && !f.chinesePanel()->timer()->isActive() &&
           !f.englishPanel()->timer()->isActive() && !f.wordPanel()->timer()->isActive();
}

}  // namespace

class TestDamagedFiles : public QObject {
    Q_OBJECT
private slots:
    void damagedFileRefused_data() {
        QTest::addColumn<QString>("loader");
        QTest::addColumn<QByteArray>("damage");  // appended to the loader's good text
        QTest::addColumn<int>("badAt");          // after the good text; -1: taken
        const QByteArray fourByte("\x81\x30\x81\x30", 4);  // U+0080
        for (const char* loader : {"Chinese lesson", "Chinese test text", "English lesson", "English test text",
                                   "word list", "code book"}) {
            const QString l = QString::fromLatin1(loader);
            QTest::addRow("%s: cut off after a lead byte is refused", loader) << l << QByteArray("\xD6") << 0;
            QTest::addRow("%s: a byte that leads nothing is refused", loader) << l << QByteArray("ab\x80xy") << 2;
            QTest::addRow("%s: a lead byte before a blank is refused", loader) << l << QByteArray("a\xB0 b") << 1;
            QTest::addRow("%s: a valid four-byte character is taken", loader) << l << fourByte << -1;
        }
    }
    void damagedFileRefused() {
        QFETCH(QString, loader);
        QFETCH(QByteArray, damage);
        QFETCH(int, badAt);
        const Loader how = loaderOf(loader);
        const QString name = QString::fromLatin1(how.file);
        const QByteArray content = how.good + damage;
        TestForm t({}, [&](const QString& appDir) {
            QFile f(appDir + QLatin1Char('/') + name);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        });
        const QString expected = QStringLiteral("File %1 is damaged: the byte at offset %2 is not GB18030 text.")
                                     .arg(t.file(name))
                                     .arg(how.good.size() + badAt);
        if (!how.command) {  // a code book: checked while the program starts, which goes on without it
            if (badAt >= 0) QTRY_COMPARE(t.messages.errors, QStringList(expected));
            QTest::qWait(1500);  // the check runs a second after start-up
            QCOMPARE(t.messages.errors, badAt < 0 ? QStringList() : QStringList(expected));
            const int found = t.form->codeBook(2).find(bytes::gb("中国"));
            QCOMPARE(found >= 0, badAt < 0);
            QVERIFY(mainScreen(t));
            return;
        }
        QVERIFY(t.messages.errors.isEmpty());
        const bool playing = t.sound.playing;
        t.form->startExercise(*how.command);
        if (badAt >= 0) {
            QCOMPARE(t.messages.errors, QStringList(expected));
            QVERIFY(mainScreen(t));
            QCOMPARE(t.sound.playing, playing);
            QCOMPARE(t.modalCount, 0);
        } else {
            QVERIFY2(t.messages.errors.isEmpty(), qPrintable(t.messages.errors.join(QLatin1Char('\n'))));
            QVERIFY(!mainScreen(t));
        }
    }

    // A file with nothing to type, or a line no screen shows, is damaged like any other.
    void unfitTextRefused_data() {
        QTest::addColumn<QString>("loader");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("why");
        for (const char* loader : {"Chinese lesson", "Chinese test text", "English lesson", "English test text", "word list"}) {
            const QString l = QString::fromLatin1(loader);
            QTest::addRow("%s: an empty file", loader) << l << QByteArray() << "it holds no text to practise";
            QTest::addRow("%s: only blanks and line breaks", loader) << l << QByteArray("  \r\n\t\r\n\r\n")
                                                                  << "it holds no text to practise";
            QTest::addRow("%s: one line of a megabyte", loader) << l << QByteArray(1 << 20, 'a')
                                                                << "line 1 is 1048576 bytes long";
        }
        QTest::newRow("word list: a word line longer than a screen") << "word list"
            << QByteArray("apple*a\r\n") + QByteArray(2000, 'b') + "*c\r\n" << "line 2 is 2002 bytes long";
    }
    void unfitTextRefused() {
        QFETCH(QString, loader);
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        const Loader how = loaderOf(loader);
        const QString name = QString::fromLatin1(how.file);
        TestForm t({}, [&](const QString& appDir) {
            QFile f(appDir + QLatin1Char('/') + name);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(content);
        });
        t.form->startExercise(*how.command);
        QCOMPARE(t.messages.errors.size(), 1);
        const QString shown = t.messages.errors.first();
        QVERIFY2(shown.startsWith(QStringLiteral("File %1 is damaged: ").arg(t.file(name))) && shown.contains(why),
                 qPrintable(shown));
        QVERIFY(mainScreen(t));
        QCOMPARE(t.modalCount, 0);
    }
};

QTEST_MAIN(TestDamagedFiles)
#include "test_damagedfiles.moc"
