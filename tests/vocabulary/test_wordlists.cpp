// The nine word lists as the build writes them into the program's folder: one
// "word*meaning" entry a line, GB18030, CR LF, each list large enough and free of
// entries a learner could not answer.
#include "common/bytetext.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

enum Kind { Words, Sentences };

// Everything the answer line can take: it listens to plain Latin keys only.
bool typeable(const QString& s) {
    for (QChar c : s)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E) return false;
    return true;
}

bool hasChinese(const QString& s) {
    for (QChar c : s)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF) return true;
    return false;
}

}  // namespace

class TestWordLists : public QObject {
    Q_OBJECT
private slots:
    void list_data();
    void list();
};

void TestWordLists::list_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("minEntries");
    QTest::addColumn<int>("kind");

    QTest::newRow("primary school") << "xxyy.eng" << 400 << int(Words);
    QTest::newRow("junior middle school") << "czhyy.eng" << 1000 << int(Words);
    QTest::newRow("senior middle school") << "gzhyy.eng" << 1500 << int(Words);
    QTest::newRow("college bands 1-4") << "yy14.eng" << 2000 << int(Words);
    QTest::newRow("college bands 5-6") << "yy56.eng" << 1000 << int(Words);
    QTest::newRow("GMAT") << "gmat.eng" << 600 << int(Words);
    QTest::newRow("GRE") << "gre.eng" << 1200 << int(Words);
    QTest::newRow("TOEFL") << "tf6000.eng" << 1200 << int(Words);
    QTest::newRow("sentences") << "yjlx.eng" << 300 << int(Sentences);
}

void TestWordLists::list() {
    QFETCH(QString, file);
    QFETCH(int, minEntries);
    QFETCH(int, kind);

    QFile f(QStringLiteral(JAXO_BUILD_APPDIR "/") + file);
    QVERIFY2(f.open(QIODevice::ReadOnly), qPrintable(f.fileName() + QStringLiteral(" is missing")));
    const QByteArray data = f.readAll();
    const std::string_view all(data.constData(), static_cast<size_t>(data.size()));
    QVERIFY2(bytes::isValidGb18030(all), "not valid GB18030");
    QVERIFY2(data.endsWith("\r\n"), "the last line has no CR LF");

    // A meaning starts with the part of speech, as a learner's word book gives it.
    static const QRegularExpression partOfSpeech(
        QStringLiteral("^(n|v|vt|vi|adj|adv|prep|conj|pron|art|num|int|interj|aux|modal v|abbr|phr)\\. \\S"));
    static const QRegularExpression sentenceEnd(QStringLiteral("[.?!][\"']?$"));
    static const QRegularExpression translationEnd(QStringLiteral("[。？！][”’]?$"));

    QStringList faults;
    QSet<QString> seen;
    QList<QByteArray> lines = data.split('\n');
    lines.removeLast();  // after the final line break
    int n = 0;
    for (QByteArray line : lines) {
        ++n;
        const auto fault = [&](const char* why) {
            if (faults.size() < 20)
                faults << QStringLiteral("line %1: %2: %3").arg(n).arg(QLatin1String(why), bytes::toUnicode(line.toStdString()));
        };
        if (!line.endsWith('\r') || line.count('\r') != 1) {
            fault("not ended by CR LF");
            continue;
        }
        line.chop(1);
        const QString text = bytes::toUnicode(line.toStdString());
        const qsizetype star = text.indexOf(QLatin1Char('*'));
        if (star < 0) {
            fault("no \"*\"");
            continue;
        }
        const QString word = text.left(star);
        const QString meaning = text.mid(star + 1);
        if (word.isEmpty()) fault("empty word");
        if (meaning.isEmpty()) fault("empty meaning");
        if (!typeable(word)) fault("the word has a character that cannot be typed");
        if (word != word.trimmed() || word.contains(QStringLiteral("  ")))
            fault("spaces the learner would have to guess");
        if (meaning != meaning.trimmed()) fault("spaces around the meaning");
        if (meaning.contains(QLatin1Char('*'))) fault("a second \"*\"");
        if (!hasChinese(meaning)) fault("the meaning is not Chinese");
        if (seen.contains(word)) fault("the word comes twice");
        seen.insert(word);
        if (kind == Words) {
            if (!partOfSpeech.match(meaning).hasMatch()) fault("no part of speech before the meaning");
        } else {
            if (!word.at(0).isUpper() || !sentenceEnd.match(word).hasMatch()) fault("not a whole sentence");
            if (!translationEnd.match(meaning).hasMatch()) fault("the translation is not a whole sentence");
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QVERIFY2(n >= minEntries, qPrintable(QStringLiteral("%1 entries, at least %2 wanted").arg(n).arg(minEntries)));
}

QTEST_GUILESS_MAIN(TestWordLists)
#include "test_wordlists.moc"
