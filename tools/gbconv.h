#pragma once
// UTF-8 to GB18030 for the generators, one iconv descriptor for the whole run.
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
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

// The 0-based offset of the first byte that does not begin a complete, valid GB18030
// sequence, as the program finds it when it loads the file; -1 for a valid text.
inline long long firstInvalidGb18030(const std::string& gb) {
    iconv_t cd = iconv_open("UTF-8", "GB18030");
    if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot read GB18030");
    char* src = const_cast<char*>(gb.data());
    size_t left = gb.size();
    long long bad = -1;
    char buf[4096];
    while (left > 0) {
        char* dst = buf;
        size_t room = sizeof buf;
        if (iconv(cd, &src, &left, &dst, &room) == static_cast<size_t>(-1) && errno != E2BIG) {
            bad = src - gb.data();
            break;
        }
    }
    iconv_close(cd);
    return bad;
}

// Writes a file the program reads as GB18030 text: refused, naming the file and the
// offset, when the program would refuse it; written through a temporary file that
// replaces the old one only when every byte was written.
inline void writeGbFile(const std::string& path, const std::string& data) {
    const long long bad = firstInvalidGb18030(data);
    if (bad >= 0)
        throw std::runtime_error(path + ": the byte at offset " + std::to_string(bad) + " is not GB18030 text");
    const std::string tmp = path + ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(data.data(), static_cast<std::streamsize>(data.size()));
        out.close();
        if (!out) {
            std::remove(tmp.c_str());
            throw std::runtime_error("cannot write " + tmp);
        }
    }
    if (std::rename(tmp.c_str(), path.c_str()) != 0) throw std::runtime_error("cannot replace " + path);
}

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
