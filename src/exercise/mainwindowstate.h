#pragma once
// The main window's shared members. Only one exercise runs at a time, so the
// exercise kinds share the working variables.
#include "common/bytetext.h"
#include "history/misslog.h"
#include "settings/settings.h"

#include <array>

struct MainWindowState {
    double startTime = 0;
    double nowTime = 0;
    int lessonSize = 0;
    int lessonPos = 0;
    int caretColumn = 0;
    int lengthBefore = 0;
    int lengthAfter = 0;
    int newLength = 0;
    int unitPos = 0;
    int loopIndex = 0;
    int foundPos = 0;
    int waveDevices = 0;
    int midiDevices = 0;
    int soundOk = 0;
    int elapsedMinutes = 0;
    int rightCount = 0;
    int wrongCount = 0;
    std::array<ByteText, 5> hintPrefix{};  // indexed 1 to 4
    ByteText foundCode;
    ByteText typedPiece;
    ByteText expectedPiece;
    ByteText typedUnit;
    ByteText expectedUnit;
    ByteText elapsedText;
    Settings settings;  // as read from the settings file
    ByteText modeTitle;
    ByteText lessonTitle;
    std::array<ByteText, 150> radicalTable{};
    ByteText typedText;
    ByteText expectedText;
    std::string appDir;  // a file-system path (UTF-8), without a trailing separator
    history::MissLog misses;  // of the running exercise; emptied with its counts
};
