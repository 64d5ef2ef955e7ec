list(APPEND JAXO_GUI_SOURCES
  src/app/access.cpp
  src/app/bytegridlabel.cpp
  src/app/fonts.cpp
  src/app/icons.cpp
  src/app/keylineedit.cpp
  src/app/labelpair.cpp
  src/app/pageinput.cpp
  src/app/pictures.cpp
  src/app/releasesettler.cpp
  src/app/services.cpp
  src/app/taboutform.cpp
  src/app/testdump.cpp
  src/app/typingline.cpp
  src/app/tform1.cpp
  src/app/tloge.cpp
)
