# Pictures and icons, drawn by our own generator (tools/picgen.cpp) at build time.

find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(picgen picgen.cpp)
target_link_libraries(picgen PRIVATE Qt6::Gui)

set(picture_outputs)
foreach(f splash.jpg back.jpg keyboard.jpg strip.jpg emblem.png jaxo.png)
  list(APPEND picture_outputs ${JAXO_APPDIR}/${f})
endforeach()
# One icon per tool button, drop-down menu item and button glyph, named after its control.
set(JAXO_ICON_NAMES
  m1a m1b m1c m1d m1e m1f m2a m2b m2c m2d m3a m3b m4a m4b m4e m4c m4d m4f m4g m4h m5a m5b m5c m5d m5e historyButton
  N7 N9 N11 MenuItem4 MenuItem6 MenuItem1 MenuItem3 N5 N6
  OKButton exit chinaexit chinanextpage exitexit englishexit englishnext zgexit bdcexit sys1 sys2 sys3)
foreach(n ${JAXO_ICON_NAMES})
  list(APPEND picture_outputs ${JAXO_APPDIR}/icons/${n}.png)
endforeach()

add_custom_command(OUTPUT ${picture_outputs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:picgen> ${JAXO_APPDIR} ${JAXO_ICON_NAMES}
  DEPENDS picgen
  COMMENT "Drawing pictures and icons")
list(APPEND JAXO_RUNTIME_FILES ${picture_outputs})
