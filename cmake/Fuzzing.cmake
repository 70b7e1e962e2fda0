# The file readers under libFuzzer, for a fixed time: an instrumented build of the storage
# and legacy page libraries of its own, made with clang. The sanitized build leaves it out: it is instrumented.
find_program(BARWRIGHT_CLANGXX NAMES clang++ clang++-14)
if(BARWRIGHT_SANITIZE)
    message(STATUS "Sanitized build: the fuzz test runs in the normal build only")
elseif(BARWRIGHT_CLANGXX)
    include(ExternalProject)
    ExternalProject_Add(fuzz_build
        SOURCE_DIR "${PROJECT_SOURCE_DIR}"
        BINARY_DIR "${CMAKE_BINARY_DIR}/fuzz"
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${BARWRIGHT_CLANGXX} -DBARWRIGHT_FUZZ_BUILD=ON
                   -DCMAKE_BUILD_TYPE=RelWithDebInfo
        BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target fuzz_scheme_file fuzz_legacy_page
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        EXCLUDE_FROM_ALL OFF)
    # New inputs go to the first folder, in the build; the seeds stay as they are.
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/fuzz/corpus")
    add_test(NAME fuzz_scheme_file
        COMMAND "${CMAKE_BINARY_DIR}/fuzz/tests/fuzz/fuzz_scheme_file" -max_total_time=20
                -timeout=5 -rss_limit_mb=1024 -max_len=65536 -print_final_stats=1
                "${CMAKE_BINARY_DIR}/fuzz/corpus" "${PROJECT_SOURCE_DIR}/tests/fuzz/seeds")
    set_tests_properties(fuzz_scheme_file PROPERTIES TIMEOUT 90)
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/fuzz/legacy_corpus")
    add_test(NAME fuzz_legacy_page
        COMMAND "${CMAKE_BINARY_DIR}/fuzz/tests/fuzz/fuzz_legacy_page" -max_total_time=20
                -timeout=5 -rss_limit_mb=1024 -max_len=65536 -print_final_stats=1
                "${CMAKE_BINARY_DIR}/fuzz/legacy_corpus" "${PROJECT_SOURCE_DIR}/tests/fuzz/legacy_seeds")
    set_tests_properties(fuzz_legacy_page PROPERTIES TIMEOUT 90)
else()
    message(WARNING "clang++ not found: the fuzz test is left out")
endif()
