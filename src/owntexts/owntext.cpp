#include "owntexts/owntext.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <QStringDecoder>

namespace owntexts {

namespace {
bool validUtf16(QByteArrayView data, bool littleEndian, long long* bad) {
    if (data.size() % 2 != 0) {
        if (bad) *bad = data.size() - 1;
        return false;
    }
    const auto unit = [&](qsizetype i) {
        const auto a = static_cast<unsigned char>(data[i]), b = static_cast<unsigned char>(data[i + 1]);
        return littleEndian ? char16_t(a | b << 8) : char16_t(a << 8 | b);
    };
    for (qsizetype i = 0; i < data.size(); i += 2) {
        const char16_t u = unit(i);
        if (QChar::isLowSurrogate(u) || (QChar::isHighSurrogate(u) && (i + 3 >= data.size() || !QChar::isLowSurrogate(unit(i + 2))))) {
            if (bad) *bad = i;
            return false;
        }
        if (QChar::isHighSurrogate(u)) i += 2;
    }
    return true;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing past U+10FFFF, nothing cut off.
long long firstBadUtf8(QByteArrayView data) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.data());
    const qsizetype n = data.size();
    for (qsizetype i = 0; i < n;) {
        const unsigned char b = p[i];
        if (b < 0x80) {
            ++i;
            continue;
        }
        int len = 0;
        unsigned char lo = 0x80, hi = 0xBF;  // the second byte's range
        if (b >= 0xC2 && b <= 0xDF) len = 2;
        else if (b == 0xE0) len = 3, lo = 0xA0;
        else if (b == 0xED) len = 3, hi = 0x9F;
        else if (b >= 0xE1 && b <= 0xEF) len = 3;
        else if (b == 0xF0) len = 4, lo = 0x90;
        else if (b >= 0xF1 && b <= 0xF3) len = 4;
        else if (b == 0xF4) len = 4, hi = 0x8F;
        else return i;
        if (i + len > n || p[i + 1] < lo || p[i + 1] > hi) return i;
        for (int k = 2; k < len; ++k)
            if ((p[i + k] & 0xC0) != 0x80) return i;
        i += len;
    }
    return -1;
}

bool isHan(char32_t c) {
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x20000 && c <= 0x2FFFF) ||
           (c >= 0xF900 && c <= 0xFAFF);
}

bool isLatinLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

void noteOnce(QStringList& list, QSet<char32_t>& seen, char32_t c) {
    if (seen.contains(c)) return;
    seen.insert(c);
    list << QString::fromUcs4(&c, 1);
}

// A word list line split into word and meaning; the word empty when it is none.
std::pair<QString, QString> splitEntry(const QString& line) {
    const qsizetype tab = line.indexOf(QLatin1Char('\t'));
    qsizetype cut = tab;
    if (cut < 0) {
        cut = line.indexOf(QLatin1Char(' '));
        if (cut < 0) return {};
    }
    return {line.left(cut).trimmed(), line.mid(cut + 1).trimmed()};
}

bool plainWord(const QString& w) {
    if (w.isEmpty()) return false;
    for (QChar c : w)
        if (c.unicode() < 0x21 || c.unicode() > 0x7E || c == QLatin1Char('*')) return false;
    return true;
}

// Typographic marks and their plain forms.
QString plainOf(char32_t c) {
    switch (c) {
    case 0x2018: case 0x2019: case 0x201A: case 0x2032: return QStringLiteral("'");
    case 0x201C: case 0x201D: case 0x201E: case 0x2033: return QStringLiteral("\"");
    case 0x2013: case 0x2014: case 0x2212: return QStringLiteral("-");
    case 0x2026: return QStringLiteral("...");
    case 0x00A0: case 0x3000: return QStringLiteral(" ");
    default: return {};
    }
}
}  // namespace

QString encodingName(Encoding e) {
    switch (e) {
    case Encoding::Utf8: return QStringLiteral("UTF-8");
    case Encoding::Utf8Bom: return QCoreApplication::translate("OwnTexts", "UTF-8（带BOM）");
    case Encoding::Utf16Le: return QStringLiteral("UTF-16 LE");
    case Encoding::Utf16Be: return QStringLiteral("UTF-16 BE");
    case Encoding::Gb18030: return QStringLiteral("GB18030");
    }
    return {};
}

std::optional<Encoding> detect(QByteArrayView data) {
    // A mark promises an encoding; text that breaks it is broken, not another encoding.
    if (data.startsWith("\xEF\xBB\xBF"))
        return firstBadUtf8(data.sliced(3)) < 0 ? std::optional(Encoding::Utf8Bom) : std::nullopt;
    if (data.startsWith("\xFF\xFE")) return validUtf16(data.sliced(2), true, nullptr) ? std::optional(Encoding::Utf16Le) : std::nullopt;
    if (data.startsWith("\xFE\xFF")) return validUtf16(data.sliced(2), false, nullptr) ? std::optional(Encoding::Utf16Be) : std::nullopt;
    // Without a mark, UTF-16 shows as zero bytes on one side: Latin text has one in every
    // other byte, and a text of Chinese and blanks still has some.
    qsizetype zeroEven = 0, zeroOdd = 0;
    const qsizetype sample = std::min<qsizetype>(data.size(), 65536);
    for (qsizetype i = 0; i < sample; ++i)
        if (data[i] == 0) ++(i % 2 ? zeroOdd : zeroEven);
    if (zeroOdd + zeroEven > 0 && data.size() % 2 == 0) {
        const bool little = zeroOdd >= zeroEven;
        if (validUtf16(data, little, nullptr)) return little ? Encoding::Utf16Le : Encoding::Utf16Be;
    }
    if (zeroOdd + zeroEven == 0) {
        if (firstBadUtf8(data) < 0) return Encoding::Utf8;
        if (bytes::firstInvalidGb18030(std::string_view(data.data(), static_cast<size_t>(data.size()))) < 0)
            return Encoding::Gb18030;
    }
    return std::nullopt;
}

std::optional<QString> decode(QByteArrayView data, Encoding e, long long* badOffset) {
    long long bad = -1;
    QString out;
    switch (e) {
    case Encoding::Utf8:
    case Encoding::Utf8Bom: {
        const qsizetype skip = data.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        bad = firstBadUtf8(data.sliced(skip));
        if (bad >= 0) {
            bad += skip;
            break;
        }
        out = QString::fromUtf8(data.sliced(skip));
        break;
    }
    case Encoding::Utf16Le:
    case Encoding::Utf16Be: {
        const bool little = e == Encoding::Utf16Le;
        const qsizetype skip = data.startsWith(little ? "\xFF\xFE" : "\xFE\xFF") ? 2 : 0;
        if (!validUtf16(data.sliced(skip), little, &bad)) {
            bad += skip;
            break;
        }
        QStringDecoder d(little ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        out = d.decode(data.sliced(skip));
        break;
    }
    case Encoding::Gb18030: {
        const std::string_view v(data.data(), static_cast<size_t>(data.size()));
        bad = bytes::firstInvalidGb18030(v);
        if (bad < 0) out = bytes::toUnicode(v);
        break;
    }
    }
    if (badOffset) *badOffset = bad;
    if (bad >= 0) return std::nullopt;
    return out;
}

QString kindName(Kind k) {
    switch (k) {
    case Kind::Chinese: return QCoreApplication::translate("OwnTexts", "中文课文");
    case Kind::English: return QCoreApplication::translate("OwnTexts", "英文课文");
    case Kind::Words: return QCoreApplication::translate("OwnTexts", "单词表");
    }
    return {};
}

QString kindKey(Kind k) {
    switch (k) {
    case Kind::Chinese: return QStringLiteral("chinese");
    case Kind::English: return QStringLiteral("english");
    case Kind::Words: return QStringLiteral("words");
    }
    return {};
}

std::optional<Kind> kindFromKey(const QString& key) {
    for (Kind k : kKinds)
        if (kindKey(k) == key) return k;
    return std::nullopt;
}

Kind guessKind(const QString& text) {
    // A sample is enough to tell, and keeps a pasted novel quick.
    const QString sample = text.left(65536);
    int lines = 0, entries = 0;
    qsizetype han = 0, letters = 0;
    for (const QString& line : sample.split(QLatin1Char('\n'))) {
        const QString l = line.trimmed();
        if (l.isEmpty()) continue;
        ++lines;
        const auto [word, meaning] = splitEntry(l);
        // A word: Latin letters (a phrase only with a tab), a meaning that is not just more of them.
        bool latinWord = !word.isEmpty() && !meaning.isEmpty() && word.size() <= 40;
        for (QChar c : word) latinWord = latinWord && c.unicode() < 0x80;
        const bool chineseMeaning = std::any_of(meaning.begin(), meaning.end(), [](QChar c) { return c.unicode() >= 0x80; });
        if (latinWord && (chineseMeaning || l.contains(QLatin1Char('\t')))) ++entries;
    }
    for (const uint c : sample.toUcs4()) {
        if (isHan(c)) ++han;
        else if (isLatinLetter(c)) ++letters;
    }
    // One line is a text, even when it reads like an entry.
    if (lines > 1 && entries * 10 >= lines * 6) return Kind::Words;
    return han > 0 && han * 3 >= letters ? Kind::Chinese : Kind::English;
}

Prepared prepare(const QString& text, Kind kind, const chinese::CodeBooks* books) {
    Prepared p;
    QSet<char32_t> droppedSeen, uncodableSeen;
    if (kind == Kind::Words) {
        for (const QString& line : text.split(QLatin1Char('\n'))) {
            const QString l = line.trimmed();
            if (l.isEmpty()) continue;
            auto [word, meaning] = splitEntry(l);
            if (!plainWord(QString(word).remove(QLatin1Char(' '))) || meaning.isEmpty()) {
                ++p.skippedLines;
                continue;
            }
            meaning.replace(QLatin1Char('\t'), QLatin1Char(' '));
            // The drill's lines are "word*meaning": a star in the meaning would end the word there.
            meaning.replace(QLatin1Char('*'), QChar(0xFF0A));
            p.body += word + QLatin1Char('\t') + meaning + QLatin1Char('\n');
            ++p.units;
        }
        return p;
    }
    const QList<uint> chars = text.toUcs4();
    if (kind == Kind::Chinese) {
        QSet<char32_t> hanSeen;
        // Whether a character has a two-byte form, asked once per character: a novel
        // has a few thousand different ones in a million.
        QHash<char32_t, bool> twoBytes;
        p.body.reserve(text.size());
        for (const char32_t c : chars) {
            if (c <= 0x20 || c == 0x3000 || c == 0xFEFF || (c >= 0x7F && c <= 0xA0)) continue;
            char32_t out = c;
            if (c < 0x7F) out = c + 0xFEE0;  // the full-width form
            auto fits = twoBytes.find(out);
            if (fits == twoBytes.end())
                fits = twoBytes.insert(out, bytes::fromUnicode(QString::fromUcs4(&out, 1)).size() == 2);
            if (!*fits) {
                noteOnce(p.dropped, droppedSeen, c);
                continue;
            }
            if (out > 0xFFFF) p.body += QString::fromUcs4(&out, 1);
            else p.body += QChar(static_cast<char16_t>(out));
            ++p.units;
            if (isHan(out)) hanSeen.insert(out);
        }
        if (books) {
            for (const QString& ch : [&] {
                     QStringList sorted;
                     for (char32_t c : hanSeen) sorted << QString::fromUcs4(&c, 1);
                     sorted.sort();
                     return sorted;
                 }()) {
                if (!chinese::hasCode(*books, bytes::fromUnicode(ch))) {
                    const char32_t c = ch.toUcs4().value(0);
                    noteOnce(p.uncodable, uncodableSeen, c);
                }
            }
        }
        return p;
    }
    bool blank = true;  // no blank at the start, none doubled
    for (const char32_t c : chars) {
        QString s = plainOf(c);
        if (s.isEmpty()) {
            if (c == '\n' || c == '\r' || c == '\t' || c == ' ' || c == '\f' || c == '\v') s = QStringLiteral(" ");
            else if (c > 0x20 && c < 0x7F) s = QChar(static_cast<char16_t>(c));
            else {
                if (c != 0xFEFF) noteOnce(p.dropped, droppedSeen, c);
                continue;
            }
        }
        if (s == QLatin1String(" ")) {
            if (blank) continue;
            blank = true;
        } else {
            blank = false;
        }
        p.body += s;
        p.units += static_cast<int>(s.size());
    }
    while (p.body.endsWith(QLatin1Char(' '))) {
        p.body.chop(1);
        --p.units;
    }
    return p;
}

ByteText lessonText(const QString& body, Kind kind) {
    if (kind != Kind::Words) return bytes::fromUnicode(body);
    // The drill reaches its first line only by its random start: the first entry comes
    // twice so every entry is asked in turn.
    ByteText out;
    bool first = true;
    for (const QString& line : body.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0) continue;
        const ByteText entry = bytes::fromUnicode(line.left(tab) + QLatin1Char('*') + line.mid(tab + 1)) + "\r\n";
        if (first) out += entry;
        first = false;
        out += entry;
    }
    return out;
}

}  // namespace owntexts
