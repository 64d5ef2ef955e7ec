list(APPEND JAXO_CORE_SOURCES
  src/radicals/radicaltable.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/radicals/radicalpanel.cpp
)
