#pragma once
// A learner's own text on its way to a lesson: the encoding of its bytes found and
// decoded, what kind of lesson it makes, and the text cut to what that page can take.
#include "chinese/codehints.h"
#include "common/bytetext.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <optional>

namespace owntexts {

enum class Encoding { Utf8, Utf8Bom, Utf16Le, Utf16Be, Gb18030 };
inline constexpr Encoding kEncodings[] = {Encoding::Utf8, Encoding::Utf8Bom, Encoding::Utf16Le, Encoding::Utf16Be,
                                          Encoding::Gb18030};
QString encodingName(Encoding e);

// The encoding the bytes are most likely in: a byte order mark first, then strict
// UTF-8, UTF-16 by its zero bytes, GB18030. None when no encoding decodes them whole.
std::optional<Encoding> detect(QByteArrayView data);

// The text in the given encoding, its byte order mark left out; none when a byte does
// not fit it, with the 0-based offset of that byte in *badOffset.
std::optional<QString> decode(QByteArrayView data, Encoding e, long long* badOffset = nullptr);

enum class Kind { Chinese, English, Words };
inline constexpr Kind kKinds[] = {Kind::Chinese, Kind::English, Kind::Words};
QString kindName(Kind k);
QString kindKey(Kind k);  // in the lesson file
std::optional<Kind> kindFromKey(const QString& key);

// A word list when most lines are a Latin word and a meaning; else a Chinese text when
// a good share of its letters are Chinese characters; else English.
Kind guessKind(const QString& text);

// What a page can show of the text. Chinese: line breaks and blanks go, half-width
// signs become their full-width forms (the page cuts in two-byte steps), and
// characters with no two-byte form go. English: typographic quotes and dashes become
// plain ones, every other non-ASCII character goes, lines join with one blank. Words:
// "word<TAB>meaning" or "word meaning" per line, lines that are neither left out.
struct Prepared {
    QString body;             // as the lesson file keeps it
    QStringList dropped;      // characters left out, each once
    QStringList uncodable;    // Chinese characters the code books have no code for, each once
    int skippedLines = 0;     // word-list lines with no word or meaning
    int units = 0;            // characters of a text, entries of a list
};
// `books` null: no code look-up.
Prepared prepare(const QString& text, Kind kind, const chinese::CodeBooks* books);

// The GB18030 text the exercise page takes for a prepared body.
ByteText lessonText(const QString& body, Kind kind);

}  // namespace owntexts
