jaxo_add_test(test_exercise_kinds SOURCES exercise/test_exercise_kinds.cpp LIBS jaxo_gui LABELS widget)
