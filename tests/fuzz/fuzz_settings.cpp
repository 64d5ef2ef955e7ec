// The settings file as the program reads it at start-up, written back and read again.
#include "common/errors.h"
#include "fuzz.h"
#include "settings/settingsfile.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

char folderName[64];

// In memory where there is such a file system: saving syncs the file to its disk.
const std::string& folder() {
    static const std::string dir = [] {
        std::snprintf(folderName, sizeof folderName, "%s/jaxo-fuzz-settings-XXXXXX",
                      access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp");
        FUZZ_CHECK(mkdtemp(folderName) != nullptr);
        // The user's settings folder inside it too: no run may touch a real one.
        setenv("XDG_CONFIG_HOME", (std::string(folderName) + "/config").c_str(), 1);
        std::atexit([] {
            const std::string made(folderName);
            std::remove((made + settings::kFileName).c_str());
            std::remove((made + "/config/jaxo" + settings::kFileName).c_str());
            rmdir((made + "/config/jaxo").c_str());
            rmdir((made + "/config").c_str());
            rmdir(folderName);
        });
        return std::string(folderName);
    }();
    return dir;
}

// The integer rule stated plainly: an optional sign, then digits, inside 32 bits.
bool plainInt(const std::string& t, long long& v) {
    const bool negative = !t.empty() && t[0] == '-';
    size_t i = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
    if (i == t.size()) return false;
    for (size_t j = i; j < t.size(); ++j)
        if (t[j] < '0' || t[j] > '9') return false;
    while (i + 1 < t.size() && t[i] == '0') ++i;
    if (t.size() - i > 10) return false;
    v = std::stoll(t.substr(i));
    if (negative) v = -v;
    return v >= INT_MIN && v <= INT_MAX;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& appDir = folder();
    const std::string path = settings::filePath(appDir);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // The file's lines as anyone would split them, each cut to 299 bytes.
    LineStore file;
    file.loadFile(path, LineStore::Check::Raw);
    std::string line[11];
    for (size_t i = 0; i < 11; ++i) line[i] = bytes::left(file.line(static_cast<long long>(i)), 299);

    Settings s;
    LineStore memo;
    QString error;
    try {
        settings::readSettings(s, memo, appDir);
    } catch (const JaxoError& e) {
        error = e.text();
    }

    // The limits follow the integer rule and their range; the first line that is no
    // integer is named.
    const Settings d = settings::defaults();
    const int fallback[3] = {d.practiceMinutes, d.testMinutes, d.wordMinutes};
    const int got[3] = {s.practiceMinutes, s.testMinutes, s.wordMinutes};
    for (size_t i = 0; i < 3; ++i) {
        long long v = 0;
        int converted = 0;
        const bool isInt = plainInt(line[i], v);
        FUZZ_CHECK(settings::toInt(line[i], converted) == isInt);
        if (!isInt) {
            FUZZ_CHECK(error == QStringLiteral("'%1' is not a valid integer value").arg(bytes::toUnicode(line[i])));
            return 0;
        }
        FUZZ_CHECK(converted == v && got[i] == (settings::limitInRange(converted) ? v : fallback[i]));
    }
    FUZZ_CHECK(error.isEmpty());
    const bool on[8] = {s.mainMusic, s.chineseMusic, s.englishMusic, s.testMusic,
                        s.wordMusic, s.keySound,     s.desktopShortcut, s.startMenuShortcut};
    for (size_t i = 0; i < 8; ++i) FUZZ_CHECK(on[i] == (line[3 + i] == "true"));

    // What was read is written as digits and switch words, and read again unchanged.
    settings::writeSettings(s, memo);
    std::string expected;
    for (size_t i = 0; i < 3; ++i) expected += std::to_string(got[i]) + "\r\n";
    for (size_t i = 0; i < 8; ++i) expected += on[i] ? "true\r\n" : "false\r\n";
    std::ifstream in(settings::userFilePath(), std::ios::binary);
    const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    FUZZ_CHECK(written == expected);
    Settings again;
    LineStore memo2;
    FUZZ_CHECK(settings::readSettings(again, memo2, appDir).isEmpty());
    FUZZ_CHECK(again == s);
    // The next input reads the shipped file again.
    std::remove(settings::userFilePath().c_str());
    return 0;
}
