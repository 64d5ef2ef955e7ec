list(APPEND JAXO_CORE_SOURCES
  src/common/atomicwrite.cpp
  src/common/bytetext.cpp
  src/common/errors.cpp
  src/common/linestore.cpp
  src/common/elapsed.cpp
  src/common/datadir.cpp
  src/common/randomsource.cpp
)
