jaxo_add_test(test_radicaltable SOURCES radicals/test_radicaltable.cpp LIBS jaxo_core)
jaxo_add_test(test_radicaldrill SOURCES radicals/test_radicaldrill.cpp LIBS jaxo_core)
jaxo_add_test(test_radicalpanel SOURCES radicals/test_radicalpanel.cpp LIBS jaxo_gui)
