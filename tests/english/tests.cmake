jaxo_add_test(tst_englishpractice SOURCES english/tst_englishpractice.cpp LIBS jaxo_core)
jaxo_add_test(tst_englishpanel SOURCES english/tst_englishpanel.cpp LIBS jaxo_gui)
# The English lines with a real Wubi input method left on (Xvfb, fcitx5, xdotool).
add_test(NAME english_fcitx5 COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/english_fcitx5.sh ${JAXO_APPDIR})
set_tests_properties(english_fcitx5 PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 180 RUN_SERIAL TRUE LABELS e2e)
