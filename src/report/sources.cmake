list(APPEND JAXO_CORE_SOURCES
  src/report/scorereport.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/report/reportdialog.cpp
)
