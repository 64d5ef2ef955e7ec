jaxo_add_test(tst_pictures SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_pictures.cpp LIBS jaxo_gui)
