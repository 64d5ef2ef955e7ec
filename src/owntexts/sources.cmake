list(APPEND JAXO_CORE_SOURCES
  src/owntexts/owntext.cpp
  src/owntexts/library.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/owntexts/owntextsdialog.cpp
)
