jaxo_add_test(test_worddrill SOURCES vocabulary/test_worddrill.cpp LIBS jaxo_core)
jaxo_add_test(test_wordlists SOURCES vocabulary/test_wordlists.cpp LIBS jaxo_core)
jaxo_add_test(test_wordpanel SOURCES vocabulary/test_wordpanel.cpp LIBS jaxo_gui)
