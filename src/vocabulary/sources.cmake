list(APPEND JAXO_CORE_SOURCES
)
list(APPEND JAXO_GUI_SOURCES
  src/vocabulary/wordpanel.cpp
)
