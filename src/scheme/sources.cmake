list(APPEND JAXO_CORE_SOURCES
  src/scheme/scheme.cpp
  src/scheme/schemefile.cpp
)
