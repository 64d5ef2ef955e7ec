// The learner's own texts: encodings found, texts cut to what each page takes, and
// lessons made from files through the 自定义练习 window and typed in the main window.
#include "chinese/chinesepanel.h"
#include "english/englishpanel.h"
#include "owntexts/owntextsdialog.h"
#include "support/testform.h"
#include "vocabulary/wordpanel.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace owntexts;

namespace {
QByteArray utf16(const QString& s, bool little, bool mark) {
    QByteArray out = mark ? QByteArray(little ? "\xFF\xFE" : "\xFE\xFF", 2) : QByteArray();
    for (QChar c : s) {
        const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
        out += little ? lo : hi;
        out += little ? hi : lo;
    }
    return out;
}
QByteArray gbBytes(const QString& s) { return QByteArray::fromStdString(bytes::fromUnicode(s)); }

void writeFile(const QString& path, const QByteArray& data) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QString shown(TestForm& t, const char* name) { return t.find<QLabel>(QString::fromLatin1(name))->text(); }
}  // namespace

class TestOwnTexts : public QObject {
    Q_OBJECT

    std::unique_ptr<TestForm> t;
    QString lessons() const { return t->home() + QStringLiteral("/.local/share/jaxo/lessons"); }
    QStringList savedFiles() const { return QDir(lessons()).entryList({QStringLiteral("*.lesson")}, QDir::Files); }

    // Opens the window with `inWindow` run inside it; the import window, when one opens,
    // is saved as it stands.
    void inOwnTexts(const std::function<void(OwnTextsDialog&)>& inWindow, const QString& path = {}) {
        t->onModal = [&](QDialog& d) {
            if (auto* own = qobject_cast<OwnTextsDialog*>(&d)) {
                own->choosePath = [path](const QString&, const QString&, bool, const QString&) { return path; };
                inWindow(*own);
            } else if (d.objectName() == QLatin1String("ownImportDialog")) {
                auto* save = d.findChild<QPushButton*>(QStringLiteral("ownSave"));
                QVERIFY2(save->isEnabled(), qPrintable(d.findChild<QLabel*>(QStringLiteral("ownNotes"))->text()));
                save->click();
            }
        };
        t->find<QToolButton>(QStringLiteral("ownTextsButton"))->click();
        t->onModal = {};
    }
    static void click(QDialog& d, const char* name) { d.findChild<QPushButton*>(QString::fromLatin1(name))->click(); }

private:
    // The main window, for the tests that use it.
    void openForm() {
        t = std::make_unique<TestForm>();
        // A lesson starts on a panel not made yet, as in the program.
        t->build(false);
        t->form->show();
        QVERIFY(QTest::qWaitForWindowActive(t->form.get()));
    }

private slots:
    void cleanup() { t.reset(); }

    void encodings_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("found");  // -1: no encoding reads it
        QTest::addColumn<QString>("text");
        const QString zh = QStringLiteral("春眠不觉晓 spring");
        QTest::newRow("UTF-8 with a mark: the mark is not text")
            << QByteArray("\xEF\xBB\xBF") + zh.toUtf8() << int(Encoding::Utf8Bom) << zh;
        QTest::newRow("UTF-8 without a mark") << zh.toUtf8() << int(Encoding::Utf8) << zh;
        QTest::newRow("plain ASCII reads as UTF-8") << QByteArray("cat\tdog") << int(Encoding::Utf8) << "cat\tdog";
        QTest::newRow("UTF-16 LE by its mark") << utf16(zh, true, true) << int(Encoding::Utf16Le) << zh;
        QTest::newRow("UTF-16 BE by its mark") << utf16(zh, false, true) << int(Encoding::Utf16Be) << zh;
        QTest::newRow("UTF-16 LE without a mark, by its zero bytes")
            << utf16(QStringLiteral("abc 你"), true, false) << int(Encoding::Utf16Le) << "abc 你";
        QTest::newRow("UTF-16 BE without a mark, by its zero bytes")
            << utf16(QStringLiteral("abc 你"), false, false) << int(Encoding::Utf16Be) << "abc 你";
        QTest::newRow("GB18030 that is no UTF-8") << gbBytes(zh) << int(Encoding::Gb18030) << zh;
        QTest::newRow("broken: a lead byte cut off at the end, in neither")
            << gbBytes(zh) + "\x81\xFF" << -1 << "";
        QTest::newRow("broken: a UTF-8 mark before bytes that are no UTF-8")
            << QByteArray("\xEF\xBB\xBF") + gbBytes(zh) << -1 << "";
        QTest::newRow("broken: UTF-16 with its mark and half a unit") << utf16(zh, true, true) + 'x' << -1 << "";
    }
    void encodings() {
        QFETCH(QByteArray, data);
        QFETCH(int, found);
        QFETCH(QString, text);
        const auto e = detect(data);
        QCOMPARE(e ? int(*e) : -1, found);
        if (e) QCOMPARE(decode(data, *e).value_or(QStringLiteral("<none>")), text);
    }

    // What each page takes of a text, and which kind a text is taken for.
    void prepared_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");  // the guess
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<int>("skipped");
        QTest::newRow("Chinese: breaks and blanks go, half-width signs turn full-width")
            << QStringLiteral("第1章 春天\r\n\r\n花开了, 真好!\n") << int(Kind::Chinese)
            << QStringLiteral("第１章春天花开了，真好！") << "" << 0;
        QTest::newRow("Chinese: a character with no two-byte form goes, once listed")
            << QStringLiteral("我\U00020000你\U00020000") << int(Kind::Chinese) << QStringLiteral("我你")
            << QStringLiteral("\U00020000") << 0;
        QTest::newRow("Latin: lines join with one blank, curly quotes turn plain, other letters go")
            << QStringLiteral("  \u201CIt\u2019s  late,\u201D\r\nsaid Zo\u00EB.\n\n") << int(Kind::English)
            << QStringLiteral("\"It's late,\" said Zo.") << QStringLiteral("\u00EB") << 0;
        QTest::newRow("a word list by tabs: phrases kept, a line without meaning left out")
            << QStringLiteral("look after\t照顾\napple\t苹果\nlonely\n") << int(Kind::Words)
            << QStringLiteral("look after\t照顾\napple\t苹果\n") << "" << 1;
        QTest::newRow("a word list by blanks: the first blank ends the word")
            << QStringLiteral("cat 猫\ndog n. 狗\n") << int(Kind::Words) << QStringLiteral("cat\t猫\ndog\tn. 狗\n") << ""
            << 0;
        QTest::newRow("English prose with a few Chinese words stays English")
            << QStringLiteral("The word 你好 means hello in Chinese, said the teacher.") << int(Kind::English)
            << QStringLiteral("The word means hello in Chinese, said the teacher.") << QStringLiteral("你好") << 0;
    }
    void prepared() {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, body);
        QFETCH(QString, dropped);
        QFETCH(int, skipped);
        QCOMPARE(int(guessKind(text)), kind);
        const Prepared p = prepare(text, Kind(kind), nullptr);
        QCOMPARE(p.body, body);
        QCOMPARE(p.dropped.join(QString()), dropped);
        QCOMPARE(p.skippedLines, skipped);
        // Kept as the lesson file keeps it, it reads back the same.
        const auto back = parse(serialize({QStringLiteral("t"), Kind(kind), p.body}));
        QVERIFY(back);
        QCOMPARE(prepare(back->body, Kind(kind), nullptr).body, body);
    }

    // A novel of 1 MB in UTF-8 becomes a Chinese lesson under its file's name, listed,
    // started at its first line with code hints, typed, and recorded by its name.
    void novelBecomesAChineseLesson() {
        openForm();
        const QString line = QStringLiteral("春眠不觉晓处处闻啼鸟夜来风雨声花落知多少");
        const QString verse = line + QStringLiteral("。\n");
        const QString novel = verse.repeated(1024 * 1024 / verse.toUtf8().size() + 1);
        const QString path = t->home() + QStringLiteral("/小说.txt");
        writeFile(path, novel.toUtf8());

        QString detected, notes;
        t->onModal = {};
        inOwnTexts([&](OwnTextsDialog& d) {
            // Inside, the import window reports what it found before it is saved.
            t->onModal = [&](QDialog& imp) {
                if (imp.objectName() != QLatin1String("ownImportDialog")) return;
                detected = imp.findChild<QComboBox*>(QStringLiteral("ownEncoding"))->currentText();
                QCOMPARE(imp.findChild<QComboBox*>(QStringLiteral("ownKind"))->currentText(), QStringLiteral("中文课文"));
                notes = imp.findChild<QLabel*>(QStringLiteral("ownNotes"))->text();
                imp.findChild<QPushButton*>(QStringLiteral("ownSave"))->click();
            };
            click(d, "ownImportFile");
            auto* list = d.findChild<QListWidget*>(QStringLiteral("ownLessonList"));
            QCOMPARE(list->count(), 1);
            QVERIFY(list->item(0)->text().startsWith(QStringLiteral("小说（中文课文")));
            click(d, "ownStart");
        }, path);
        QCOMPARE(detected, QStringLiteral("UTF-8"));
        QVERIFY2(notes.contains(QStringLiteral("将保存")), qPrintable(notes));
        QCOMPARE(savedFiles().size(), 1);
        QCOMPARE(QFileInfo(lessons()).permissions() & 0x0077, QFileDevice::Permissions());

        QVERIFY(t->form->chinesePanel()->isVisible());
        QCOMPARE(shown(*t, "zzz2"), QStringLiteral("小说"));
        const QString first = shown(*t, "chinatext1");
        QVERIFY2(first.startsWith(line), qPrintable(first));
        QVERIFY(!shown(*t, "wbLabel1").isEmpty());  // the hint bar has the next character's code
        auto* put = t->find<QWidget>(QStringLiteral("chinaput1"));
        QInputMethodEvent e;
        e.setCommitString(first);
        QApplication::sendEvent(put, &e);
        QTest::keyRelease(put, Qt::Key_Shift);
        QCOMPARE(t->form->chinesePanel()->score().rightCount, 33);
        QCOMPARE(t->form->chinesePanel()->score().wrongCount, 0);
        QCOMPARE(bytes::toUnicode(t->form->chinesePanel()->score().lessonTitle), QStringLiteral("小说"));
    }

    // A word list in GB18030 becomes a vocabulary drill; a word typed right is marked so.
    void gbWordListBecomesADrill() {
        openForm();
        const QString path = t->home() + QStringLiteral("/words.txt");
        writeFile(path, gbBytes(QStringLiteral("apple\t苹果\nbook\t书\ncat\t猫\n")));
        inOwnTexts([&](OwnTextsDialog& d) {
            click(d, "ownImportFile");
            click(d, "ownStart");
        }, path);
        QVERIFY(t->form->wordPanel()->isVisible());
        const QString word = shown(*t, "bdcdc");
        QVERIFY2(QStringList({"apple", "book", "cat"}).contains(word), qPrintable(word));
        QCOMPARE(shown(*t, "bdczuang2"), QStringLiteral("words"));
        auto* answer = t->find<QLineEdit>(QStringLiteral("bdcput"));
        QTest::keyClicks(answer, word);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(shown(*t, "bdcpd"), QStringLiteral("√"));
        QCOMPARE(t->form->wordPanel()->score().rightCount, 1);
    }

    // Pasted Latin text saved at once, before the window has followed the paste, is an
    // English lesson that starts at its first word.
    void pastedTextSavedAtOnce() {
        openForm();
        inOwnTexts([&](OwnTextsDialog& d) {
            t->onModal = [](QDialog& imp) {
                imp.findChild<QPlainTextEdit*>(QStringLiteral("ownText"))->setPlainText(QStringLiteral("Dear diary,\ntoday"));
                imp.findChild<QPushButton*>(QStringLiteral("ownSave"))->click();
            };
            click(d, "ownPaste");
            click(d, "ownStart");
        });
        QVERIFY(t->form->englishPanel()->isVisible());
        QCOMPARE(shown(*t, "englishtext1"), QStringLiteral("Dear diary, today"));
        QCOMPARE(shown(*t, "englishzz2"), QStringLiteral("我的课文"));
    }

    void brokenEncodingSavesNothing() {
        openForm();
        const QString path = t->home() + QStringLiteral("/broken.txt");
        writeFile(path, QStringLiteral("中文").toUtf8() + "\xFF\xFF\x81");
        int windows = 0;
        inOwnTexts([&](OwnTextsDialog& d) {
            click(d, "ownImportFile");
            windows = t->modalCount;
        }, path);
        QCOMPARE(windows, 1);  // no import window opened
        QCOMPARE(t->messages.errors.size(), 1);
        QVERIFY2(t->messages.errors[0].contains(QStringLiteral("无法识别")) && t->messages.errors[0].contains(path),
                 qPrintable(t->messages.errors[0]));
        QVERIFY(savedFiles().isEmpty());
    }

    // Rename, export, import and delete, as the list shows them.
    void lessonsAreManaged() {
        openForm();
        const QString path = t->home() + QStringLiteral("/a.txt");
        writeFile(path, QByteArray("The quick brown fox jumps over the lazy dog."));
        const QString exported = t->home() + QStringLiteral("/out.lesson");
        QStringList seen;
        inOwnTexts([&](OwnTextsDialog& d) {
            auto* list = d.findChild<QListWidget*>(QStringLiteral("ownLessonList"));
            click(d, "ownImportFile");
            d.askName = [](const QString&, const QString&) { return QStringLiteral("狐狸"); };
            click(d, "ownRename");
            seen << list->currentItem()->text();
            d.choosePath = [&](const QString&, const QString&, bool, const QString&) { return exported; };
            click(d, "ownExport");
            click(d, "ownImportLesson");  // the exported file comes back under a title of its own
            for (int i = 0; i < list->count(); ++i) seen << list->item(i)->text();
            t->messages.answerYes = true;
            click(d, "ownDelete");
            seen << QString::number(list->count());
        }, path);
        QCOMPARE(seen, (QStringList{"狐狸（英文课文，1 KB）", "狐狸（英文课文，1 KB）", "狐狸 (2)（英文课文，1 KB）", "1"}));
        QVERIFY(QFile::exists(exported));
        QCOMPARE(savedFiles().size(), 1);
        QVERIFY(t->messages.errors.isEmpty());
    }
};

QTEST_MAIN(TestOwnTexts)
#include "test_owntexts.moc"
