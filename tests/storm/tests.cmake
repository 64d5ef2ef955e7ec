# Random storms of keys, commits, clicks and ticks on every exercise and the settings
# panel. JAXO_STORM_SEED repeats a run, JAXO_STORM_SCALE changes its length.
jaxo_add_test(test_storm SOURCES storm/test_storm.cpp LIBS jaxo_gui LABELS widget storm)
