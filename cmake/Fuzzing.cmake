# tavrik_add_fuzzer(TEST TARGET SOURCES ... {SEEDS ... | SEED_DIR DIR}): a
# libFuzzer target and its brief run in the tests. The native build compiles
# with g++, so the fuzzer is built by an explicit clang++ invocation; without
# clang++ its test fails instead of being left out. SEEDS files are copied
# into seeds/ when the build is configured; SEED_DIR is read as it is (seeds
# that the build itself writes). New inputs go to corpus/ and a crash is
# saved under crashes/ and fails the test.
find_program(TAVRIK_CLANGXX NAMES clang++ clang++-16 clang++-15 clang++-14
             DOC "clang++ with libFuzzer, for the fuzz targets")

function(tavrik_add_fuzzer test target)
    cmake_parse_arguments(ARG "" "SEED_DIR" "SOURCES;SEEDS" ${ARGN})
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target})
    set(fuzzer ${dir}/${target})
    file(MAKE_DIRECTORY ${dir}/corpus ${dir}/crashes)
    if(NOT ARG_SEED_DIR)
        set(ARG_SEED_DIR ${dir}/seeds)
        file(MAKE_DIRECTORY ${ARG_SEED_DIR})
        file(COPY ${ARG_SEEDS} DESTINATION ${ARG_SEED_DIR})
    endif()
    if(TAVRIK_CLANGXX)
        add_custom_command(
            OUTPUT ${fuzzer}
            COMMAND ${TAVRIK_CLANGXX} -std=c++17 -g -O1 -fno-omit-frame-pointer
                    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all
                    -I${PROJECT_SOURCE_DIR} -MD -MF ${fuzzer}.d ${ARG_SOURCES} -o ${fuzzer}
            DEPENDS ${ARG_SOURCES}
            DEPFILE ${fuzzer}.d
            COMMENT "Building the fuzzer ${target} with clang++"
            VERBATIM)
        add_custom_target(${target} ALL DEPENDS ${fuzzer})
        add_test(NAME ${test}
                 COMMAND ${fuzzer} -max_total_time=20 -timeout=10 -rss_limit_mb=2048
                         -print_final_stats=1 -artifact_prefix=${dir}/crashes/
                         ${dir}/corpus ${ARG_SEED_DIR})
    else()
        message(WARNING "clang++ not found: the fuzzer ${target} cannot be built and its test fails")
        add_test(NAME ${test}
                 COMMAND sh -c "echo 'clang++ not found: ${target} was not built' >&2; exit 1")
    endif()
    set_tests_properties(${test} PROPERTIES LABELS fuzz TIMEOUT 120)
endfunction()
