jaxo_add_test(test_owntexts SOURCES owntexts/test_owntexts.cpp LIBS jaxo_gui LABELS widget)

# Figures on a novel of 1 MB, run by hand: build/tests/bench_owntexts
add_executable(bench_owntexts owntexts/bench_owntexts.cpp)
target_link_libraries(bench_owntexts PRIVATE jaxo_core)
target_compile_definitions(bench_owntexts PRIVATE JAXO_BUILD_APPDIR="${JAXO_TEST_APPDIR}")
