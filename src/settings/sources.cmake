list(APPEND JAXO_CORE_SOURCES
  src/settings/language.cpp
  src/settings/settingsfile.cpp
  src/settings/shortcuts.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/settings/livesettings.h
  src/settings/languagebox.cpp
  src/settings/settingspanel.cpp
  src/settings/schemepage.cpp
)
