list(APPEND JAXO_CORE_SOURCES
  src/sound/music.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/sound/fluidoutput.cpp
)
