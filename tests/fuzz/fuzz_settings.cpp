// The settings file as the program reads it at start-up, written back and read again.
#include "common/errors.h"
#include "fuzz.h"
#include "settings/settingsfile.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
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
    MainWindowState s;
    s.appDir = folder();
    const std::string path = settings::filePath(s);
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }

    LineStore memo;
    bool read = true;
    try {
        settings::readSettings(s, memo, 13);
    } catch (const JaxoError& e) {
        read = false;
        FUZZ_CHECK(e.text().contains(QStringLiteral("is not a valid integer value")));
    }

    // Lines pass a 300-byte buffer; the limits follow the integer rule and their range.
    for (size_t i = 0; i < 11; ++i) FUZZ_CHECK(s.settingLines[i] == bytes::left(memo.line(static_cast<long long>(i)), 299));
    bool allInts = true;
    int* limits[] = {&s.practiceMinutes, &s.testMinutes, &s.wordMinutes};
    for (size_t i = 0; i < 3 && allInts; ++i) {
        long long v = 0;
        const bool isInt = plainInt(s.settingLines[i], v);
        int got = 0;
        FUZZ_CHECK(settings::toInt(s.settingLines[i], got) == isInt);
        // A limit outside 1 to 999 minutes gives way to the default.
        int fallback = 0;
        settings::toInt(settings::defaults()[i], fallback);
        if (isInt) FUZZ_CHECK(got == v && *limits[i] == (settings::limitInRange(got) ? v : fallback));
        allInts = isInt;
    }
    FUZZ_CHECK(read == allInts);
    if (!read) return 0;
    FUZZ_CHECK(s.mainMusic == s.settingLines[3] && s.startMenuShortcut == s.settingLines[10]);

    // What was read is written and read again unchanged.
    std::array<ByteText, 11> lines;
    for (size_t i = 0; i < 11; ++i) lines[i] = s.settingLines[i];
    settings::writeSettings(s, memo, lines);
    MainWindowState again;
    again.appDir = s.appDir;
    LineStore memo2;
    settings::readSettings(again, memo2, 13);
    for (size_t i = 0; i < 11; ++i) FUZZ_CHECK(again.settingLines[i] == lines[i]);
    FUZZ_CHECK(again.practiceMinutes == s.practiceMinutes && again.wordMinutes == s.wordMinutes);
    return 0;
}
