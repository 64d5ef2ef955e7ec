#pragma once
// Shared by the fuzz targets: a failed property names itself and aborts, so that the
// fuzzer keeps the input and the replay of the corpus fails.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(cond)                                                                 \
    do {                                                                                 \
        if (!(cond)) {                                                                   \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #cond); \
            std::abort();                                                                \
        }                                                                                \
    } while (0)

// Cuts one input into the pieces a target needs: small numbers from single bytes,
// texts ended by a NUL byte, and the rest.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size)
        : rest_(reinterpret_cast<const char*>(data), size) {}
    int byte() {
        if (rest_.empty()) return 0;
        const int b = static_cast<unsigned char>(rest_[0]);
        rest_.remove_prefix(1);
        return b;
    }
    // A text up to the next NUL byte (which is dropped), or all that is left.
    std::string text() {
        const std::size_t end = rest_.find('\0');
        std::string t(rest_.substr(0, end));
        rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
        return t;
    }
    std::string rest() {
        std::string t(rest_);
        rest_ = {};
        return t;
    }
    bool empty() const { return rest_.empty(); }

private:
    std::string_view rest_;
};

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
