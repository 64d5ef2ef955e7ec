#pragma once
// What the exercises share through the main window: the clock and the score of the
// exercise in progress (only one runs at a time), its titles, the settings, the sound
// devices found at start-up, the radical table and the program's folder. Everything
// else an exercise works with belongs to its own drill or page.
#include "common/bytetext.h"
#include "history/misslog.h"
#include "settings/settings.h"

#include <array>

struct MainWindowState {
    double startTime = 0;
    double nowTime = 0;
    int waveDevices = 0;
    int midiDevices = 0;
    int soundOk = 0;
    int elapsedMinutes = 0;
    int rightCount = 0;
    int wrongCount = 0;
    ByteText elapsedText;
    Settings settings;  // as read from the settings file
    ByteText modeTitle;
    ByteText lessonTitle;
    std::array<ByteText, 150> radicalTable{};
    std::string appDir;  // a file-system path (UTF-8), without a trailing separator
    history::MissLog misses;  // of the running exercise; emptied with its counts
};
