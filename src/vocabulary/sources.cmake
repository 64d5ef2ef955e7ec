list(APPEND JAXO_CORE_SOURCES
  src/vocabulary/worddrill.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/vocabulary/wordpanel.cpp
)
