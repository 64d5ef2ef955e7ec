list(APPEND JAXO_CORE_SOURCES
  src/radicals/radicaltable.cpp
  src/radicals/radicaldrill.cpp
  src/radicals/keychart.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/radicals/radicalpanel.cpp
  src/radicals/keychartview.cpp
)
