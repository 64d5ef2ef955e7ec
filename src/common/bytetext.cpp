#include "common/bytetext.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <mutex>
#include <vector>

namespace bytes {

ByteText copy(std::string_view text, long long start, long long count) {
    if (start < 1) start = 1;
    const long long size = static_cast<long long>(text.size());
    if (count <= 0 || start > size) return {};
    count = std::min(count, size - start + 1);
    return ByteText(text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(count)));
}

ByteText left(std::string_view text, long long n) { return copy(text, 1, n); }

int length(std::string_view text) { return static_cast<int>(text.size()); }

int charLength(std::string_view text, size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x81 || b == 0xFF || i + 1 >= text.size()) return 1;
    const auto b2 = static_cast<unsigned char>(text[i + 1]);
    if (b2 >= 0x30 && b2 <= 0x39) return i + 3 < text.size() ? 4 : 1;
    return 2;
}

namespace {

// A descriptor per direction, opened once per thread (conversions run on every key)
// and closed when the thread ends.
iconv_t descriptor(const char* to, const char* from) {
    struct Cached {
        std::string key;
        iconv_t cd;
    };
    struct Cache {
        std::vector<Cached> entries;
        ~Cache() {
            for (const Cached& c : entries) iconv_close(c.cd);
        }
    };
    thread_local Cache cache;
    const std::string key = std::string(to) + '<' + from;
    for (const Cached& c : cache.entries)
        if (c.key == key) return c.cd;
    iconv_t cd = iconv_open(to, from);
    if (cd != reinterpret_cast<iconv_t>(-1)) cache.entries.push_back({key, cd});
    return cd;
}

std::string convert(const char* to, const char* from, std::string_view in, bool* ok,
                    std::string_view replacement) {
    iconv_t cd = descriptor(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        if (ok) *ok = false;
        return {};
    }
    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
    std::string out;
    out.reserve(in.size() * 2 + 8);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buf[4096];
    bool good = true;
    while (srcLeft > 0) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buf, sizeof buf - dstLeft);
        if (r == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            // EILSEQ or EINVAL: skip one byte of input and mark it.
            good = false;
            out.append(replacement);
            ++src;
            --srcLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    if (ok) *ok = good;
    return out;
}

}  // namespace

QString toUnicode(std::string_view text) {
    if (text.empty()) return {};
    bool ok = true;
    const std::string utf8 = convert("UTF-8", "GB18030", text, &ok, "\xEF\xBF\xBD");
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

ByteText fromUnicode(const QString& text) {
    if (text.isEmpty()) return {};
    const QByteArray utf8 = text.toUtf8();
    bool ok = true;
    return convert("GB18030", "UTF-8", std::string_view(utf8.constData(), utf8.size()), &ok, "?");
}

ByteText gb(std::string_view utf8) {
    bool ok = true;
    return convert("GB18030", "UTF-8", utf8, &ok, "?");
}

bool isValidGb18030(std::string_view text) {
    bool ok = true;
    convert("UTF-8", "GB18030", text, &ok, "");
    return ok;
}

}  // namespace bytes
