// Converts the texts the project writes (UTF-8 sources in data/) into the program's
// GB18030 files, and refuses a source that would break the program's rules.
//   textgen zh-lesson IN OUT   lines joined without separator; two-byte characters only
//   textgen en-lesson IN OUT   lines joined with one blank; printable ASCII only
//   textgen wordlist IN OUT    "word*meaning" lines, CR LF
//   textgen settings OUT       the default settings file
#include "gbconv.h"

#include <cerrno>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

[[noreturn]] void fail(const std::string& path, size_t line, const std::string& why) {
    throw std::runtime_error(path + ":" + std::to_string(line) + ": " + why);
}

std::string zhLesson(const std::string& in) {
    GbConverter gb;
    std::string out, g;
    size_t n = 0;
    for (const auto& l : readLines(in)) {
        ++n;
        if (!gb.convert(l, g)) fail(in, n, "not convertible to GB18030");
        if (!allTwoByte(g)) fail(in, n, "a character that is not two bytes wide (ASCII or outside GBK)");
        out += g;
    }
    return out;
}

std::string enLesson(const std::string& in) {
    std::string out;
    size_t n = 0;
    for (const auto& l : readLines(in)) {
        ++n;
        if (l.empty()) continue;
        for (unsigned char c : l)
            if (c < 0x20 || c > 0x7E) fail(in, n, "not printable ASCII");
        if (!out.empty()) out += ' ';
        out += l;
    }
    return out;
}

std::string wordList(const std::string& in) {
    GbConverter gb;
    std::string out, g;
    size_t n = 0;
    for (const auto& l : readLines(in)) {
        ++n;
        const auto star = l.find('*');
        if (star == std::string::npos || star == 0 || star + 1 == l.size()) fail(in, n, "not word*meaning");
        if (!gb.convert(l, g)) fail(in, n, "not convertible to GB18030");
        for (size_t i = 0; i < g.size();) {
            const auto b = static_cast<unsigned char>(g[i]);
            if (b < 0x80) { ++i; continue; }
            if (!allTwoByte(g.substr(i, 2))) fail(in, n, "a character outside GBK");
            i += 2;
        }
        out += g;
        out += "\r\n";
    }
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const std::string mode = argc > 1 ? argv[1] : "";
        if (mode == "settings" && argc == 3) {
            std::string s;
            for (const char* l : {"10", "5", "10", "true", "true", "true", "true", "true", "true", "true", "true"})
                s += std::string(l) + "\r\n";
            writeGbFile(argv[2], s);
            return 0;
        }
        if (argc != 4) {
            std::cerr << "usage: textgen zh-lesson|en-lesson|wordlist IN OUT | settings OUT\n";
            return 2;
        }
        std::string data;
        if (mode == "zh-lesson") data = zhLesson(argv[2]);
        else if (mode == "en-lesson") data = enLesson(argv[2]);
        else if (mode == "wordlist") data = wordList(argv[2]);
        else throw std::runtime_error("unknown mode " + mode);
        writeGbFile(argv[3], data);
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "textgen: " << e.what() << "\n";
        return 1;
    }
}
