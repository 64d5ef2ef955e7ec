jaxo_add_test(test_historystore SOURCES history/test_historystore.cpp LIBS jaxo_core LABELS unit)

# The same store tests against a PostgreSQL server of their own (Unix socket only);
# skipped (77) where PostgreSQL is not installed or cannot be started.
add_test(NAME e2e_history_postgres
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/postgres_store.sh $<TARGET_FILE:test_historystore>)
set_tests_properties(e2e_history_postgres PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 LABELS e2e)
jaxo_add_test(test_history_window SOURCES history/test_history_window.cpp LIBS jaxo_gui LABELS widget)
jaxo_add_test(test_misses SOURCES history/test_misses.cpp LIBS jaxo_core LABELS unit)
jaxo_add_test(test_history_logic SOURCES history/test_history_logic.cpp LIBS jaxo_core LABELS unit)
jaxo_add_test(test_history_module SOURCES history/test_history_module.cpp LIBS jaxo_gui LABELS widget)
jaxo_add_test(test_history_view SOURCES history/test_history_view.cpp LIBS jaxo_history_window LABELS widget)

# Benchmark: a program that prints figures, not a test.
add_executable(bench_history history/bench_history.cpp)
target_link_libraries(bench_history PRIVATE jaxo_history_window)
target_include_directories(bench_history PRIVATE ${CMAKE_SOURCE_DIR}/tests)
