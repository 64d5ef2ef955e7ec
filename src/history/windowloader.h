#pragma once
// Opens the 成绩记录 window from its module, loading the module at the first call.
#include "history/historywindow.h"

#include <QString>
#include <memory>

namespace history {

// The window built by the module in moduleFile (kept loaded once loaded). Null when the
// file is missing, cannot be loaded or is not this program's module; *problem then
// says so, naming the file.
std::unique_ptr<Window> openWindow(const QString& moduleFile, Store* store, const CodeBook& book1, const QString& scheme,
                                   const radicals::Table& table, Messages& messages, QWidget* parent,
                                   QString* problem);

}  // namespace history
