// The entry point of the history module (built as a loadable module of its own).
#include "history/historyview.h"

#include <string_view>
#include <type_traits>

// book1: the chosen input scheme's first code book; scheme: its id, whose sessions the
// weak spots are counted over.
extern "C" Q_DECL_EXPORT history::Window* jaxo_history_window_4(history::Store* store, const CodeBook& book1,
                                                                 const QString& scheme, const radicals::Table& table,
                                                                 Messages& messages, QWidget* parent) {
    return new HistoryView(store, book1, table, messages, parent, scheme);
}

// The program finds this function by the name and type it expects.
static_assert(std::is_same_v<decltype(&jaxo_history_window_4), history::MakeWindow>);
static_assert(std::string_view(history::kMakeWindow) == "jaxo_history_window_4");
