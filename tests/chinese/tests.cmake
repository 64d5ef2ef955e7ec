jaxo_add_test(test_chinese_logic SOURCES chinese/test_chinese_logic.cpp LIBS jaxo_core)
jaxo_add_test(test_code_hints SOURCES chinese/test_code_hints.cpp LIBS jaxo_core)
jaxo_add_test(test_chinese_panel SOURCES chinese/test_chinese_panel.cpp LIBS jaxo_gui)

# The hint benchmark is a program, not a test: run it by hand on the real code books.
add_executable(bench_hints chinese/bench_hints.cpp)
target_link_libraries(bench_hints PRIVATE jaxo_core)
target_compile_definitions(bench_hints PRIVATE JAXO_BUILD_APPDIR="${JAXO_TEST_APPDIR}")
if(TARGET runtime_files)
  add_dependencies(bench_hints runtime_files)
endif()

# The Chinese page through a fake platform input context, linked in as a static plugin.
jaxo_add_test(test_input_handover SOURCES chinese/test_input_handover.cpp support/fakeinputcontext.cpp
              LIBS jaxo_gui Qt6::GuiPrivate LABELS widget)
target_compile_definitions(test_input_handover PRIVATE QT_STATICPLUGIN)
