list(APPEND JAXO_CORE_SOURCES
  src/schemedrill/schemekeys.cpp
  src/schemedrill/schemekeydrill.cpp
  src/schemedrill/adaptivekeys.cpp
)
list(APPEND JAXO_GUI_SOURCES
  src/schemedrill/schemekeypanel.cpp
  src/schemedrill/schemechartview.cpp
)
