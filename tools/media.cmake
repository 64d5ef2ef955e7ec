# The background music and the key click, generated from note lists in mediagen.cpp.
add_executable(mediagen ${CMAKE_CURRENT_SOURCE_DIR}/mediagen.cpp)

set(media_outputs)
foreach(f music1.mid music2.mid music3.mid key.wav)
  list(APPEND media_outputs ${JAXO_APPDIR}/${f})
endforeach()
add_custom_command(OUTPUT ${media_outputs}
  COMMAND mediagen ${JAXO_APPDIR}
  DEPENDS mediagen
  COMMENT "Music pieces and the key click")
list(APPEND JAXO_RUNTIME_FILES ${media_outputs})
