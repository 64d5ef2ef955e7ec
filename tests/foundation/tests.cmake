jaxo_add_test(test_common SOURCES foundation/test_common.cpp LIBS jaxo_core LABELS unit)
jaxo_add_test(test_settingsfile SOURCES foundation/test_settingsfile.cpp LIBS jaxo_core)
jaxo_add_test(test_shortcuts SOURCES foundation/test_shortcuts.cpp LIBS jaxo_core)
jaxo_add_test(test_startup SOURCES foundation/test_startup.cpp LIBS jaxo_gui)
jaxo_add_test(test_damagedfiles SOURCES foundation/test_damagedfiles.cpp LIBS jaxo_gui LABELS widget)
jaxo_add_test(test_errorbox SOURCES foundation/test_errorbox.cpp LIBS jaxo_gui LABELS widget)

# Benchmarks: programs that print figures, not tests.
add_executable(bench_startup foundation/bench_startup.cpp)
target_link_libraries(bench_startup PRIVATE jaxo_gui)
target_include_directories(bench_startup PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(bench_startup PRIVATE JAXO_BUILD_APPDIR="${JAXO_APPDIR}")
# The folders of src/ stay layers: no include leads back to a folder it came from.
add_test(NAME src_layers COMMAND ${CMAKE_COMMAND} -DSRC=${CMAKE_SOURCE_DIR}/src -P ${CMAKE_SOURCE_DIR}/cmake/layers.cmake)
set_tests_properties(src_layers PROPERTIES LABELS unit)
# Every marked text of the sources is translated in each translations/*.ts.
find_program(JAXO_LUPDATE NAMES lupdate-qt6 lupdate HINTS /usr/lib/qt6/bin)
if(NOT JAXO_LUPDATE)
  jaxo_missing("lupdate" qt6-l10n-tools)
endif()
add_test(NAME translations_complete
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/foundation/translations_complete.sh ${CMAKE_SOURCE_DIR} ${JAXO_LUPDATE})
set_tests_properties(translations_complete PROPERTIES LABELS unit)
