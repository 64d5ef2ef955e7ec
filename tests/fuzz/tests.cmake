# Fuzz targets of the parsers. The normal build replays each target's corpus through a
# small driver; fuzz/run_fuzz.sh builds the same targets with clang's libFuzzer in a
# build of their own and fuzzes each for a while.
set(JAXO_FUZZ_TARGETS bytetext linestore settings codebook wordlist chinesepage english owntexts)
foreach(t ${JAXO_FUZZ_TARGETS})
  add_executable(fuzz_${t}_replay ${CMAKE_CURRENT_LIST_DIR}/fuzz_${t}.cpp ${CMAKE_CURRENT_LIST_DIR}/replay_main.cpp)
  target_link_libraries(fuzz_${t}_replay PRIVATE jaxo_core)
  add_test(NAME fuzz_replay_${t} COMMAND fuzz_${t}_replay ${CMAKE_CURRENT_LIST_DIR}/corpus/${t})
  set_tests_properties(fuzz_replay_${t} PROPERTIES LABELS "unit;fuzz" TIMEOUT 60)
endforeach()

# The fuzzers carry their own sanitizers: a sanitized build of the suite leaves them to
# the normal one rather than fuzzing twice. JAXO_FUZZ_SECONDS sets the time per target.
if(NOT JAXO_SANITIZE)
  add_test(NAME fuzz_run COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/run_fuzz.sh ${CMAKE_BINARY_DIR}/fuzz-clang)
  set_tests_properties(fuzz_run PROPERTIES LABELS fuzz SKIP_RETURN_CODE 77 TIMEOUT 900 RUN_SERIAL TRUE)
endif()
