list(APPEND JAXO_GUI_SOURCES
  src/exercise/testdump.cpp
)
