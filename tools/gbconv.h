#pragma once
// UTF-8 to GB18030 for the generators, one iconv descriptor for the whole run.
#include <iconv.h>

#include <stdexcept>
#include <string>

class GbConverter {
public:
    GbConverter() : cd_(iconv_open("GB18030", "UTF-8")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert UTF-8 to GB18030");
    }
    ~GbConverter() { iconv_close(cd_); }
    GbConverter(const GbConverter&) = delete;
    GbConverter& operator=(const GbConverter&) = delete;

    // False when the text is not valid UTF-8 or has no GB18030 form.
    bool convert(const std::string& in, std::string& out) {
        out.clear();
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char buf[4096];
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            const size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf, sizeof buf - room);
            if (r == static_cast<size_t>(-1) && errno != E2BIG) return false;
        }
        return true;
    }

private:
    iconv_t cd_;
};

// True when every character of the GB18030 text takes exactly two bytes.
inline bool allTwoByte(const std::string& gb) {
    if (gb.size() % 2) return false;
    for (size_t i = 0; i < gb.size(); i += 2) {
        const auto b1 = static_cast<unsigned char>(gb[i]);
        const auto b2 = static_cast<unsigned char>(gb[i + 1]);
        if (b1 < 0x81 || b1 == 0xFF || (b2 >= 0x30 && b2 <= 0x39) || b2 < 0x40 || b2 == 0x7F || b2 == 0xFF) return false;
    }
    return true;
}

// GB2312 proper: both bytes in A1..FE. The lessons keep to it, so that every character
// is a common one that every Chinese font has.
inline bool allGb2312(const std::string& gb) {
    if (gb.size() % 2) return false;
    for (unsigned char c : gb)
        if (c < 0xA1 || c == 0xFF) return false;
    return true;
}

// The first level of GB2312 (lead bytes B0 to D7): the most common characters.
inline bool allGb2312Level1(const std::string& gb) {
    if (!allGb2312(gb)) return false;
    for (size_t i = 0; i < gb.size(); i += 2)
        if (static_cast<unsigned char>(gb[i]) < 0xB0 || static_cast<unsigned char>(gb[i]) > 0xD7) return false;
    return true;
}
