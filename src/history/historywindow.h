#pragma once
// The 成绩记录 window as the main window sees it. The window itself, the one user of
// the charts library, is built into a module of its own (historymodule.cpp) that is
// loaded when the window is first opened, so that a start loads no charts code.
#include "common/bytetext.h"
#include "radicals/radicaltable.h"

#include <vector>

class CodeBook;
class Messages;
class QDialog;
class QWidget;

namespace history {

class Store;

// What the learner chose to practise when the window closed.
enum class Practice { None, WeakChars, WeakRadicals, WeakWords };

class Window {
public:
    virtual ~Window() = default;
    virtual QDialog& dialog() = 0;
    virtual Practice practice() const = 0;
    // The weak-character lesson text and the weak radicals' table entries.
    virtual const ByteText& weakLesson() const = 0;
    virtual const std::vector<int>& weakRadicals() const = 0;
    // The most-missed words of the word drills, most-missed first.
    virtual const std::vector<ByteText>& weakWords() const = 0;
};

// The module's one entry point, found by this name; the number changes whenever this
// interface or the types it passes change, so that a stale module is refused, not run.
// store may be null (no history could be opened): the window says so.
using MakeWindow = Window* (*)(Store* store, const CodeBook& book1, const QString& scheme, const radicals::Table& table, Messages& messages,
                               QWidget* parent);
inline constexpr const char* kMakeWindow = "jaxo_history_window_4";

}  // namespace history
