jaxo_add_test(test_settingspanel SOURCES settings/test_settingspanel.cpp LIBS jaxo_gui LABELS widget)
