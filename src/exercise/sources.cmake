list(APPEND JAXO_CORE_SOURCES
  src/exercise/exercisekinds.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/exercise/exerciserun.cpp
  src/exercise/testdump.cpp
)
