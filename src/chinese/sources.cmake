list(APPEND JAXO_CORE_SOURCES
  src/chinese/codebook.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/chinese/chinesepanel.cpp
)
