list(APPEND JAXO_CORE_SOURCES
  src/history/historycsv.cpp
  src/history/weakspots.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/history/historyview.cpp
)
