#pragma once
// The main window's shared members. Only one exercise runs at a time, so the
// exercise kinds share the working variables; the score of the running exercise
// is its base.
#include "common/bytetext.h"
#include "exercise/exercisescore.h"

#include <array>

struct MainWindowState : ExerciseScore {
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
    int practiceMinutes = 0;
    int testMinutes = 0;
    int wordMinutes = 0;
    int soundOk = 0;
    std::array<ByteText, 5> hintPrefix{};  // indexed 1 to 4
    ByteText foundCode;
    ByteText typedPiece;
    ByteText expectedPiece;
    ByteText typedUnit;
    ByteText expectedUnit;
    std::array<ByteText, 13> settingLines{};
    std::array<char, 300> lineBuffer{};
    ByteText mainMusic;
    ByteText chineseMusic;
    ByteText englishMusic;
    ByteText testMusic;
    ByteText wordMusic;
    ByteText keySound;
    ByteText desktopShortcut;
    ByteText startMenuShortcut;
    std::array<ByteText, 150> radicalTable{};
    ByteText typedText;
    ByteText expectedText;
    std::string appDir;  // a file-system path (UTF-8), without a trailing separator
};

// A settings switch is on exactly when its text is "true".
inline bool isOn(const ByteText& sw) { return sw == "true"; }
