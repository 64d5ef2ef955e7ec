jaxo_add_test(test_score_report SOURCES report/test_score_report.cpp LIBS jaxo_gui)
