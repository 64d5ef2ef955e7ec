jaxo_add_test(test_music SOURCES sound/test_music.cpp LIBS jaxo_core)
jaxo_add_test(test_fluidoutput SOURCES sound/test_fluidoutput.cpp LIBS jaxo_gui)

# Real sound: a private PulseAudio server with a null sink, recorded from its monitor.
add_executable(soundprobe sound/soundprobe.cpp)
target_link_libraries(soundprobe PRIVATE jaxo_gui Qt6::Test)
target_include_directories(soundprobe PRIVATE ${CMAKE_SOURCE_DIR}/tests)
target_compile_definitions(soundprobe PRIVATE JAXO_BUILD_APPDIR="${JAXO_TEST_APPDIR}")
if(TARGET runtime_files)
  add_dependencies(soundprobe runtime_files)
endif()
add_test(NAME test_realsound COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/sound/realsound.sh $<TARGET_FILE:soundprobe>)
set_tests_properties(test_realsound PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE LABELS e2e)
