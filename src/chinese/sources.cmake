list(APPEND JAXO_CORE_SOURCES
  src/chinese/codebook.cpp
  src/chinese/chinesepage.cpp
  src/chinese/chinesecheck.cpp
  src/chinese/codehints.cpp
  src/chinese/schemehints.cpp
  src/chinese/schemebooks.cpp
  src/chinese/chineseclock.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/chinese/chinesepanel.cpp
)
