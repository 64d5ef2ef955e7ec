#pragma once
// The store the 成绩记录 window reads. On a class server it is opened and read on a
// thread of its own, and no call waits for it longer than a given patience: a server
// that is slow or silent leaves the window with the local file's rows and a sentence
// saying so, never a frozen program.
#include "history/historystore.h"

#include <memory>

namespace history {

// The store named by JAXO_HISTORY_URL, else the local file (as Store::open, but its
// problems are kept in problem() for the window rather than returned).
std::unique_ptr<Store> openReader(int patienceMs);

}  // namespace history
