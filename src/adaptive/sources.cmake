list(APPEND JAXO_CORE_SOURCES
  src/adaptive/keymodel.cpp
  src/adaptive/englishdrill.cpp
  src/adaptive/adaptivefiles.cpp
  src/adaptive/chinesedrill.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/adaptive/keyboardview.cpp
  src/adaptive/englishcoach.cpp
  src/adaptive/chinesecoach.cpp
  src/adaptive/targetsdialog.cpp
  src/adaptive/progressdialog.cpp
)
