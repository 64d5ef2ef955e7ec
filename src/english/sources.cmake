list(APPEND JAXO_CORE_SOURCES
  src/english/englishpractice.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/english/englishpanel.cpp
)
