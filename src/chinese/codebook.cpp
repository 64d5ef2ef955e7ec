#include "chinese/codebook.h"

#include "common/errors.h"
#include "common/linestore.h"

#include <QFile>

#include <cstring>

namespace {
constexpr std::uint32_t kHighPairs = 128 * 256;  // first byte 0x80..0xFF, any second byte

std::uint32_t highPair(const char* p) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(p[0]) - 0x80) << 8) |
           static_cast<unsigned char>(p[1]);
}

bool isHigh(char c) { return static_cast<unsigned char>(c) >= 0x80; }
}  // namespace

void CodeBook::clear() {
    pendingPath_.clear();
    text_.clear();
    text_.shrink_to_fit();
    indexed_ = false;
    groupStart_ = {};
    offsets_ = {};
    boundary_ = {};
}

void CodeBook::loadFile(const std::string& path) {
    clear();
    LineStore::checkReadable(path);
    pendingPath_ = path;
}

void CodeBook::verifyFile(const std::string& path) {
    // A block at a time: the check holds no copy of the book (the heap of the thread that
    // runs it would keep the room for the rest of the session).
    QFile f(QString::fromStdString(path));
    if (!f.open(QIODevice::ReadOnly)) throw JaxoError(errors::cannotOpen(path));
    bytes::Gb18030Check check;
    char block[65536];
    for (qint64 n; (n = f.read(block, sizeof block)) > 0;)
        if (!check.feed(std::string_view(block, static_cast<size_t>(n)))) break;
    if (f.error() != QFileDevice::NoError) throw JaxoError(errors::cannotOpen(path));
    check.finish();
    if (check.firstInvalid() >= 0) throw JaxoError(errors::damaged(path, check.firstInvalid()));
}

const ByteText& CodeBook::text() const {
    if (!pendingPath_.empty()) {
        const std::string path = std::exchange(pendingPath_, {});
        try {
            text_ = LineStore::joinedText(LineStore::readFile(path));
        } catch (const JaxoError&) {
            text_.clear();  // opened at start-up, gone since: no hints
        }
    }
    return text_;
}

void CodeBook::loadText(std::string_view text) {
    clear();
    text_ = LineStore::joinedText(ByteText(text));
}

void CodeBook::buildIndex() const {
    const std::string_view t = text_;
    firstByte_.fill(-1);
    boundary_.assign(t.size() / 64 + 1, 0);
    groupStart_.assign(kHighPairs + 1, 0);
    // Pass 1: mark the boundaries and count each group.
    for (size_t i = 0; i < t.size();) {
        const auto b = static_cast<unsigned char>(t[i]);
        if (firstByte_[b] < 0) firstByte_[b] = static_cast<int>(i);
        boundary_[i / 64] |= std::uint64_t{1} << (i % 64);
        if (isHigh(t[i]) && i + 1 < t.size()) ++groupStart_[highPair(t.data() + i) + 1];
        i += static_cast<size_t>(bytes::charLength(t, i));
    }
    for (std::uint32_t k = 1; k <= kHighPairs; ++k) groupStart_[k] += groupStart_[k - 1];
    // Pass 2: place the offsets, each group in ascending order.
    offsets_.resize(groupStart_[kHighPairs]);
    std::vector<std::uint32_t> fill(groupStart_.begin(), groupStart_.end() - 1);
    for (size_t i = 0; i < t.size();) {
        if (isHigh(t[i]) && i + 1 < t.size()) offsets_[fill[highPair(t.data() + i)]++] = static_cast<std::uint32_t>(i);
        i += static_cast<size_t>(bytes::charLength(t, i));
    }
    indexed_ = true;
}

int CodeBook::find(std::string_view needle) const {
    if (needle.empty() || text().empty()) return -1;
    if (!indexed_) buildIndex();
    if (needle.size() == 1) return firstByte_[static_cast<unsigned char>(needle[0])];
    const std::string_view t = text_;
    if (isHigh(needle[0])) {
        const std::uint32_t k = highPair(needle.data());
        for (std::uint32_t g = groupStart_[k]; g < groupStart_[k + 1]; ++g) {
            const size_t pos = offsets_[g];
            if (pos + needle.size() > t.size()) break;  // later ones lie further on
            if (std::memcmp(t.data() + pos, needle.data(), needle.size()) == 0) return static_cast<int>(pos);
        }
        return -1;
    }
    for (size_t pos = t.find(needle); pos != std::string_view::npos; pos = t.find(needle, pos + 1))
        if (boundary_[pos / 64] >> (pos % 64) & 1) return static_cast<int>(pos);
    return -1;
}

int CodeBook::findByScan(std::string_view needle) const {
    if (needle.empty()) return -1;
    const std::string_view t = text();
    for (size_t i = 0; i < t.size();) {
        if (t.compare(i, needle.size(), needle) == 0) return static_cast<int>(i);
        i += static_cast<size_t>(bytes::charLength(t, i));
    }
    return -1;
}
