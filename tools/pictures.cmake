# Pictures drawn by our own generator (tools/picgen.cpp) at build time; icons are rendered from
# their SVG sources.

find_package(Qt6 REQUIRED COMPONENTS Gui Svg)
add_executable(picgen picgen.cpp)
target_link_libraries(picgen PRIVATE Qt6::Gui Qt6::Svg)

set(picture_outputs)
foreach(f splash.jpg back.jpg keyboard.jpg strip.jpg emblem.png jaxo.png)
  list(APPEND picture_outputs ${JAXO_APPDIR}/${f})
endforeach()
add_custom_command(OUTPUT ${picture_outputs}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:picgen> ${JAXO_APPDIR}
  DEPENDS picgen
  COMMENT "Drawing pictures")
list(APPEND JAXO_RUNTIME_FILES ${picture_outputs})

# Tool-bar, menu and button icons: every SVG under assets/icons, rendered to PNG at the
# sizes the program draws them, so that it loads no SVG renderer at run time.
add_executable(iconpng iconpng.cpp)
target_link_libraries(iconpng PRIVATE Qt6::Gui Qt6::Svg)
string(REPLACE ";" "," icon_sizes "${JAXO_ICON_SIZES}")
file(GLOB icon_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/icons/*.svg)
foreach(p ${icon_sources})
  get_filename_component(n ${p} NAME_WE)
  set(pngs)
  foreach(size ${JAXO_ICON_SIZES})
    list(APPEND pngs ${JAXO_APPDIR}/icons/${n}-${size}.png)
  endforeach()
  add_custom_command(OUTPUT ${pngs}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:iconpng> ${JAXO_APPDIR}/icons ${icon_sizes} ${p}
    DEPENDS iconpng ${p}
    COMMENT "Rendering the icon ${n}")
  list(APPEND JAXO_RUNTIME_FILES ${pngs})
endforeach()

# The program icon for the desktop's icon theme (installed, not read by the program).
set(theme_icon_sizes 16 24 32 48 64 128 256)
string(REPLACE ";" "," theme_icon_size_arg "${theme_icon_sizes}")
set(theme_icons ${JAXO_THEME_ICONS}/hicolor/scalable/apps/${JAXO_APP_ID}.svg)
foreach(size ${theme_icon_sizes})
  list(APPEND theme_icons ${JAXO_THEME_ICONS}/hicolor/${size}x${size}/apps/${JAXO_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${theme_icons}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:picgen> --theme-icons ${JAXO_THEME_ICONS} ${JAXO_APP_ID} ${theme_icon_size_arg}
  DEPENDS picgen
  COMMENT "Drawing the theme icons")
add_custom_target(theme_icons DEPENDS ${theme_icons})
