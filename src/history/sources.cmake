list(APPEND JAXO_CORE_SOURCES
  src/history/classreader.cpp
  src/history/historystore.cpp
  src/history/recorder.cpp
  src/history/reportsession.cpp
  src/history/schema.cpp
  src/history/historycsv.cpp
  src/history/weakspots.cpp
  src/history/review.cpp
  src/history/daily.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/history/windowloader.cpp
)
# The window itself, with its charts, is a module loaded on first use.
set(JAXO_HISTORY_WINDOW_SOURCES
  src/history/historyview.cpp
  src/history/practicetabs.cpp
)
