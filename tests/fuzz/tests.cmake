# Smoke run of the RTF fuzz target over its seed corpus, built as an ordinary program (the real
# libFuzzer run with sanitizers is fuzz/run-fuzzer.sh).
add_executable(rtf_fuzz_smoke ${PROJECT_SOURCE_DIR}/fuzz/rtf_fuzzer.cpp
                              ${PROJECT_SOURCE_DIR}/fuzz/corpus_driver.cpp)
target_link_libraries(rtf_fuzz_smoke PRIVATE textpad_rtf)
add_test(NAME rtf_fuzz_smoke COMMAND rtf_fuzz_smoke ${PROJECT_SOURCE_DIR}/fuzz/corpus/rtf)
set_tests_properties(rtf_fuzz_smoke PROPERTIES LABELS fuzz TIMEOUT 120)
