list(APPEND JAXO_CORE_SOURCES
  src/exercise/exercisekinds.cpp
  src/exercise/misslog.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/exercise/exerciserun.cpp
  src/exercise/livefigures.cpp
  src/exercise/testdump.cpp
)
