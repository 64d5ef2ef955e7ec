// Byte texts and their conversion to and from Unicode, on any bytes.
#include "common/bytetext.h"
#include "fuzz.h"

#include <QList>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const long long start = in.byte() - 8;
    const long long count = in.byte() - 8;
    const std::string t = in.rest();
    const long long n = static_cast<long long>(t.size());

    // A slice never reaches outside the text and is the bytes that stand there.
    const ByteText c = bytes::copy(t, start, count);
    const long long from = std::max(start, 1LL);
    const long long want = count <= 0 || from > n ? 0 : std::min(count, n - from + 1);
    FUZZ_CHECK(static_cast<long long>(c.size()) == want);
    if (want > 0) FUZZ_CHECK(t.compare(static_cast<size_t>(from - 1), c.size(), c) == 0);
    FUZZ_CHECK(bytes::left(t, count) == bytes::copy(t, 1, count));

    // Walking by characters stays inside the text.
    for (size_t i = 0; i < t.size();) {
        const int len = bytes::charLength(t, i);
        FUZZ_CHECK(len == 1 || len == 2 || len == 4);
        FUZZ_CHECK(i + static_cast<size_t>(len) <= t.size());
        i += static_cast<size_t>(len);
    }

    // Valid GB18030 comes back byte for byte; anything else shows a replacement mark.
    const QString u = bytes::toUnicode(t);
    if (bytes::isValidGb18030(t))
        FUZZ_CHECK(bytes::fromUnicode(u) == t);
    else
        FUZZ_CHECK(u.contains(QChar(0xFFFD)));

    // Every Unicode text has a GB18030 form that reads back as the same text, but for
    // a few private-use code points that lost theirs when the radicals and vertical
    // forms got real characters: each comes back as one "?" per byte of its UTF-8.
    const QString w = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
    const ByteText g = bytes::fromUnicode(w);
    FUZZ_CHECK(bytes::isValidGb18030(g));
    const QList<uint> wide = w.toUcs4();
    const QList<uint> back = bytes::toUnicode(g).toUcs4();
    qsizetype j = 0;
    for (const uint point : wide) {
        if (j < back.size() && back[j] == point) {
            ++j;
            continue;
        }
        const bool privateUse = (point >= 0xE000 && point <= 0xF8FF) || point >= 0xF0000;
        FUZZ_CHECK(privateUse);
        const qsizetype marks = point >= 0x10000 ? 4 : 3;
        for (qsizetype k = 0; k < marks; ++k, ++j) FUZZ_CHECK(j < back.size() && back[j] == '?');
    }
    FUZZ_CHECK(j == back.size());
    const QByteArray utf8 = w.toUtf8();
    FUZZ_CHECK(bytes::gb(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))) == g);
    return 0;
}
