# Install rules and the Debian package (cpack -G DEB in the build folder).

install(TARGETS jaxo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The program finds its modules from its own folder (install::kModulesFromProgram).
install(TARGETS jaxo_history LIBRARY DESTINATION ${JAXO_INSTALL_MODULEDIR})
install(FILES ${JAXO_INSTALL_FILES}/${JAXO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${JAXO_INSTALL_FILES}/${JAXO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${JAXO_THEME_ICONS}/hicolor DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${JAXO_INSTALL_FILES}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Debian keeps manual pages and the change log compressed.
find_program(GZIP gzip REQUIRED)
set(man_gz ${CMAKE_BINARY_DIR}/man/jaxo.1.gz)
add_custom_command(OUTPUT ${man_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${GZIP} -9nc ${JAXO_INSTALL_FILES}/jaxo.1 > ${man_gz}
  DEPENDS ${JAXO_INSTALL_FILES}/jaxo.1
  COMMENT "Compressing the manual page")
set(changelog_gz ${CMAKE_BINARY_DIR}/man/changelog.gz)
add_custom_command(OUTPUT ${changelog_gz}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
  COMMAND ${GZIP} -9nc ${JAXO_INSTALL_FILES}/changelog > ${changelog_gz}
  DEPENDS ${JAXO_INSTALL_FILES}/changelog
  COMMENT "Compressing the change log")
add_custom_target(install_docs DEPENDS ${man_gz} ${changelog_gz})
install(FILES ${man_gz} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${changelog_gz} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME jaxo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Jaxo开发组")
set(CPACK_PACKAGE_CONTACT "Jaxo开发组 <jaxo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "typing tutor for Chinese (Wubi) and English")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/jaxo/jaxo)
# The long description, below the summary line.
set(CPACK_PACKAGE_DESCRIPTION "Jaxo4.00 trains the Wubi (five-stroke) input method for Chinese and touch
typing for English: the Wubi radical drill, high-frequency characters, short
codes, words and articles, English fingering drills and articles, timed tests
and a vocabulary drill over nine word lists. Every exercise ends in a score
report. Chinese is typed through fcitx5 or IBus with a Wubi table.")
# Libraries from dpkg-shlibdeps, of the program and of the history module (Qt Charts);
# by name what is loaded at run time (the synthesiser, loaded on the first sound; Qt's
# SQLite plug-in), the fonts, the SoundFont and the help viewer. The icons are PNG files:
# no SVG renderer is needed.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libfluidsynth3, libqt6sql6-sqlite, fonts-noto-cjk, fonts-arphic-ukai, fonts-arphic-uming, timgm6mb-soundfont, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fcitx5-chinese-addons | ibus-table-wubi, fcitx5-frontend-qt6 | ibus, qt6-translations-l10n, libqt6sql6-psql")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "qt6-wayland")
include(CPack)

# Whatever builds the program makes it installable.
add_dependencies(jaxo theme_icons install_docs)
