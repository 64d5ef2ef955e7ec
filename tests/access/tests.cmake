jaxo_add_test(test_access SOURCES access/test_access.cpp LIBS jaxo_gui LABELS widget)
