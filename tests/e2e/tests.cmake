# End to end with a real input method: needs Xvfb, fcitx5 and its Wubi table
# (scripts/setup.sh installs them); skipped where they are missing.
add_test(NAME e2e_chinese_fcitx5
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/chinese_fcitx5.sh ${JAXO_APPDIR})
set_tests_properties(e2e_chinese_fcitx5 PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 RUN_SERIAL TRUE LABELS e2e)

# The same typing through IBus and ibus-table's Wubi, on a session bus of its own.
add_test(NAME e2e_chinese_ibus
         COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/chinese_ibus.sh ${JAXO_APPDIR})
set_tests_properties(e2e_chinese_ibus PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 RUN_SERIAL TRUE LABELS e2e)
# Every screen reached from the keyboard (real X keys) and named over AT-SPI.
add_test(NAME e2e_atspi COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/atspi.sh ${JAXO_APPDIR})
set_tests_properties(e2e_atspi PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 RUN_SERIAL TRUE LABELS e2e)
# Started on a headless Wayland compositor.
add_test(NAME e2e_wayland COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wayland.sh ${JAXO_APPDIR})
set_tests_properties(e2e_wayland PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120 RUN_SERIAL TRUE LABELS e2e)
# What a real screen reader (Orca, speech-dispatcher writing to a file) says while the
# keys are typed.
add_test(NAME e2e_orca COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/orca.sh ${JAXO_APPDIR})
set_tests_properties(e2e_orca PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 240 RUN_SERIAL TRUE LABELS e2e)
# A line typed through the input methods of the other schemes: fcitx5 pinyin and
# shuangpin (Xiaohe), IBus Cangjie 5 and fcitx5-chewing (Zhuyin).
add_test(NAME e2e_schemes COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/schemes.sh ${JAXO_APPDIR})
set_tests_properties(e2e_schemes PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300 RUN_SERIAL TRUE LABELS e2e)
