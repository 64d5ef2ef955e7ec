# The installed program: the launcher and metainfo pass their validators, the Debian
# package is built with its dependencies, and an installed copy that may not be written
# starts and keeps its settings per user. Skipped (77) where a tool is missing.
add_test(NAME package_launcher
         COMMAND desktop-file-validate ${JAXO_INSTALL_FILES}/${JAXO_APP_ID}.desktop)
add_test(NAME package_metainfo
         COMMAND appstreamcli validate --no-net ${JAXO_INSTALL_FILES}/${JAXO_APP_ID}.metainfo.xml)
add_test(NAME package_deb
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/deb.sh ${CMAKE_BINARY_DIR})
add_test(NAME e2e_installed_readonly
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/installed_readonly.sh ${CMAKE_BINARY_DIR})
set_tests_properties(package_launcher package_metainfo PROPERTIES LABELS package)
set_tests_properties(package_deb PROPERTIES LABELS package SKIP_RETURN_CODE 77 TIMEOUT 300 RUN_SERIAL TRUE)
set_tests_properties(e2e_installed_readonly PROPERTIES LABELS "e2e;package" SKIP_RETURN_CODE 77 TIMEOUT 240
                                                       RUN_SERIAL TRUE)
# The set-up scripts: a user without root, a configure killed halfway.
add_test(NAME package_setup_scripts COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/setup_scripts.sh ${CMAKE_SOURCE_DIR})
set_tests_properties(package_setup_scripts PROPERTIES LABELS package TIMEOUT 300)
