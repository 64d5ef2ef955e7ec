// Own texts: any bytes as an imported file, and any bytes as a lesson file.
#include "fuzz.h"
#include "owntexts/library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const auto kind = owntexts::kKinds[in.byte() % 3];
    const std::string raw = in.rest();
    const QByteArrayView bytes(raw.data(), static_cast<qsizetype>(raw.size()));

    // A lesson file from elsewhere: refused or read, never more.
    (void)owntexts::parse(bytes);

    // The encoding found reads the whole file.
    const auto found = owntexts::detect(bytes);
    const auto text = owntexts::decode(bytes, found.value_or(owntexts::Encoding::Gb18030));
    FUZZ_CHECK(!found || text);
    if (!text) return 0;

    // What the page takes: prepared once it stays as it is, and it survives the lesson file.
    const owntexts::Prepared p = owntexts::prepare(*text, kind, nullptr);
    FUZZ_CHECK(owntexts::prepare(p.body, kind, nullptr).body == p.body);
    const auto back = owntexts::parse(owntexts::serialize({QStringLiteral("t"), kind, p.body}));
    FUZZ_CHECK(back && back->kind == kind && owntexts::prepare(back->body, kind, nullptr).body == p.body);

    const ByteText page = owntexts::lessonText(p.body, kind);
    switch (kind) {
    case owntexts::Kind::Chinese:
        // Two bytes a character, or the page's two-byte steps would split them.
        FUZZ_CHECK(page.size() == 2 * static_cast<size_t>(p.units));
        for (size_t i = 0; i < page.size(); i += 2) FUZZ_CHECK(bytes::charLength(page, i) == 2);
        break;
    case owntexts::Kind::English:
        for (char c : page) FUZZ_CHECK(c >= 0x20 && c < 0x7F);
        FUZZ_CHECK(page.find("  ") == ByteText::npos && static_cast<int>(page.size()) == p.units);
        break;
    case owntexts::Kind::Words:
        // Every line is word*meaning; the first entry comes twice.
        size_t lines = 0;
        for (size_t at = 0; at < page.size(); ++lines) {
            const size_t end = page.find("\r\n", at);
            FUZZ_CHECK(end != ByteText::npos && page.find('*', at) < end);
            at = end + 2;
        }
        FUZZ_CHECK(lines == (p.units > 0 ? static_cast<size_t>(p.units) + 1 : 0));
        break;
    }
    return 0;
}
