#pragma once
// What the exercises share through the main window: the score of the exercise in
// progress (its base; only one runs at a time), the settings and the program's folder.
// Everything else an exercise works with belongs to its own drill or page.
#include "common/bytetext.h"
#include "exercise/exercisescore.h"
#include "settings/settings.h"

#include <string>

struct MainWindowState : ExerciseScore {
    Settings settings;  // as read from the settings file
    std::string appDir;  // a file-system path (UTF-8), without a trailing separator
};
