jaxo_add_test(test_history_logic SOURCES history/test_history_logic.cpp LIBS jaxo_core LABELS unit)
jaxo_add_test(test_history_view SOURCES history/test_history_view.cpp LIBS jaxo_gui LABELS widget)
