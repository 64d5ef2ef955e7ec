#include "common/bytetext.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
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

ByteText markOf(std::string_view expected) {
    ByteText out(expected);
    for (char& c : out)
        if (static_cast<unsigned char>(c) <= 0x20 || c == kMissedBlank) c = kMissedBlank;
    return out;
}

int charLength(std::string_view text, size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if (b < 0x81 || b == 0xFF || i + 1 >= text.size()) return 1;
    const auto b2 = static_cast<unsigned char>(text[i + 1]);
    if (b2 >= 0x30 && b2 <= 0x39) return i + 3 < text.size() ? 4 : 1;
    return 2;
}

namespace {

// A descriptor per direction, opened once per thread: conversions run on every key.
// The descriptors are closed when their thread ends.
class Descriptors {
public:
    Descriptors() = default;
    Descriptors(const Descriptors&) = delete;
    Descriptors& operator=(const Descriptors&) = delete;
    ~Descriptors() {
        for (const Cached& c : cache_) iconv_close(c.cd);
    }

    iconv_t get(const char* to, const char* from) {
        for (const Cached& c : cache_)
            if (std::strcmp(c.to, to) == 0 && std::strcmp(c.from, from) == 0) return c.cd;
        iconv_t cd = iconv_open(to, from);
        if (cd != reinterpret_cast<iconv_t>(-1)) cache_.push_back({to, from, cd});
        return cd;
    }

private:
    struct Cached {
        const char* to;  // the codec names are literals of this file
        const char* from;
        iconv_t cd;
    };
    std::vector<Cached> cache_;
};

iconv_t descriptor(const char* to, const char* from) {
    thread_local Descriptors descriptors;
    return descriptors.get(to, from);
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

bool isValidGb18030(std::string_view text) { return firstInvalidGb18030(text) < 0; }

long long firstInvalidGb18030(std::string_view text) {
    Gb18030Check check;
    check.feed(text);
    check.finish();
    return check.firstInvalid();
}

bool Gb18030Check::feed(std::string_view piece) {
    if (firstBad_ >= 0) return false;
    iconv_t cd = descriptor("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        firstBad_ = offset_;
        return false;
    }
    if (carried_.empty()) iconv(cd, nullptr, nullptr, nullptr, nullptr);  // a fresh shift state
    std::string joined;
    std::string_view in = piece;
    if (!carried_.empty()) {
        joined = carried_ + std::string(piece);
        in = joined;
    }
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char buf[4096];  // the converted text is not kept
    while (srcLeft > 0) {
        char* dst = buf;
        size_t dstLeft = sizeof buf;
        if (iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (errno == EINVAL) break;  // cut off by the end of the piece: carried over
        firstBad_ = offset_ + (src - in.data());
        return false;
    }
    offset_ += static_cast<long long>(in.size() - srcLeft);
    carried_.assign(src, srcLeft);
    return true;
}

void Gb18030Check::finish() {
    if (firstBad_ < 0 && !carried_.empty()) firstBad_ = offset_;
}

}  // namespace bytes
