list(APPEND JAXO_GUI_SOURCES
  src/app/services.cpp
  src/app/taboutform.cpp
  src/app/tform1.cpp
  src/app/tloge.cpp
)
