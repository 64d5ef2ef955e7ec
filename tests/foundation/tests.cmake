jaxo_add_test(test_common SOURCES foundation/test_common.cpp LIBS jaxo_core)
jaxo_add_test(test_settingsfile SOURCES foundation/test_settingsfile.cpp LIBS jaxo_core)
jaxo_add_test(test_shortcuts SOURCES foundation/test_shortcuts.cpp LIBS jaxo_core)
jaxo_add_test(test_startup SOURCES foundation/test_startup.cpp LIBS jaxo_gui)
