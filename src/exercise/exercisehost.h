#pragma once
// What the exercise panels need of the main window.
#include "widgets/panelhost.h"
#include "exercise/exercisescore.h"
#include "settings/settings.h"
#include "scheme/scheme.h"

#include <QString>
#include <array>
#include <string>

class RandomSource;
class Clock;
class SoundSystem;
class LineStore;
class CodeBook;

class ExerciseHost : public PanelHost {
public:
    ~ExerciseHost() override = default;
    // The settings in effect.
    virtual const Settings& settings() const = 0;
    // The program's data folder (UTF-8), without a trailing separator.
    virtual const std::string& appDirectory() const = 0;
    virtual RandomSource& random() = 0;
    virtual Clock& clock() = 0;
    virtual SoundSystem& sound() = 0;
    // The hidden store of the current lesson or word list.
    virtual LineStore& lessonStore() = 0;
    // Code books 1 to 4 (wbbook, wbbook2, wbbook3, wbbook4).
    virtual const CodeBook& codeBook(int n) = 0;
    // The input scheme chosen: it picks the code books, the hint bar and the lessons.
    virtual const scheme::Scheme& scheme() const { return scheme::wubi(); }

    // The tool bar: collapsed to its tabs (height 25) and disabled at every exercise start.
    virtual void collapseToolBar() = 0;
    // Tool bar 90 high and enabled, main-screen music as set.
    virtual void restoreMainScreen() = 0;
    // Creates a new score report of `score` and shows it modally; returns when it is closed.
    virtual void openReport(const ExerciseScore& score) = 0;
    // Status panel 1.
    virtual void setHint(const QString& text) = 0;
};
