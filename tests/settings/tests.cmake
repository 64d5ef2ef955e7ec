jaxo_add_test(test_music SOURCES settings/test_music.cpp LIBS jaxo_core)
jaxo_add_test(test_fluidoutput SOURCES settings/test_fluidoutput.cpp LIBS jaxo_gui)
jaxo_add_test(test_settingspanel SOURCES settings/test_settingspanel.cpp LIBS jaxo_gui LABELS widget)

# Real sound: a private PulseAudio server with a null sink, recorded from its monitor.
add_executable(soundprobe settings/soundprobe.cpp)
target_link_libraries(soundprobe PRIVATE jaxo_gui Qt6::Test)
target_include_directories(soundprobe PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(soundprobe PRIVATE JAXO_BUILD_APPDIR="${JAXO_TEST_APPDIR}")
if(TARGET runtime_files)
  add_dependencies(soundprobe runtime_files)
endif()
add_test(NAME test_realsound COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/settings/realsound.sh $<TARGET_FILE:soundprobe>)
set_tests_properties(test_realsound PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE LABELS e2e)
