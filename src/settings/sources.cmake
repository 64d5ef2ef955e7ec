list(APPEND JAXO_CORE_SOURCES
  src/settings/settingsfile.cpp
  src/settings/shortcuts.cpp
  src/settings/music.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/settings/fluidoutput.cpp
  src/settings/settingspanel.cpp
)
