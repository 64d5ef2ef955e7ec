list(APPEND JAXO_GUI_SOURCES
  src/widgets/access.cpp
  src/widgets/bytegridlabel.cpp
  src/widgets/fonts.cpp
  src/widgets/icons.cpp
  src/widgets/iconstyle.cpp
  src/widgets/keylineedit.cpp
  src/widgets/labelpair.cpp
  src/widgets/pageinput.cpp
  src/widgets/pictures.cpp
  src/widgets/releasesettler.cpp
  src/widgets/typingline.cpp
)
