# End-to-end tests of the win64 build under Wine, registered in the native
# build so that one ctest run reports them together with the unit tests.
#
# All Wine tests share one prefix per run: a CTest fixture makes it before the
# first of them (tools/wine/wine-up.sh) and stops its servers after the last
# (tools/wine/wine-down.sh). They hold one resource lock, so they run one at a
# time while unit tests run beside them. A missing Wine or a missing win64
# build makes them fail, never skip.

# Once per folder: every folder that includes this needs the variables below.
include_guard(DIRECTORY)

# --- Windows side: GoogleTest for the test programs that run under Wine,
# compiled from Debian's sources with the cross compiler (static, win32
# threads like the rest of the build).
set(TAVRIK_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest sources for the Windows builds")

function(tavrik_windows_googletest)
    if(TARGET gtest)
        return()
    endif()
    if(NOT EXISTS "${TAVRIK_GOOGLETEST_SOURCE}/CMakeLists.txt")
        message(FATAL_ERROR "GoogleTest sources not found in ${TAVRIK_GOOGLETEST_SOURCE}")
    endif()
    set(gtest_disable_pthreads ON)
    set(INSTALL_GTEST OFF)
    set(BUILD_GMOCK ON)
    set(BUILD_SHARED_LIBS OFF)
    add_subdirectory("${TAVRIK_GOOGLETEST_SOURCE}" "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
    # The win32 thread model lacks what GoogleTest's Notification is built
    # on: a customisation header replaces it.
    target_include_directories(gtest BEFORE PUBLIC "${PROJECT_SOURCE_DIR}/tests/e2e/googletest")
endfunction()

# --- Native side: the tests that run the win64 programs.
get_filename_component(TAVRIK_WINE_TOOLS "${CMAKE_CURRENT_LIST_DIR}/../tools/wine" ABSOLUTE)
set(TAVRIK_WINE_STATE "${CMAKE_BINARY_DIR}/wine")
# Runs one Windows program in the prefix: wine-run.sh [--timeout S] PROGRAM ARGS...
set(TAVRIK_WINE_RUN "${TAVRIK_WINE_TOOLS}/wine-run.sh")

function(_tavrik_wine_add_fixture)
    get_property(added GLOBAL PROPERTY TAVRIK_WINE_FIXTURE_ADDED)
    if(added)
        return()
    endif()
    set_property(GLOBAL PROPERTY TAVRIK_WINE_FIXTURE_ADDED TRUE)
    add_test(NAME wine.setup COMMAND "${TAVRIK_WINE_TOOLS}/wine-up.sh" "${TAVRIK_WINE_STATE}")
    add_test(NAME wine.teardown COMMAND "${TAVRIK_WINE_TOOLS}/wine-down.sh" "${TAVRIK_WINE_STATE}")
    set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP tavrik_wine TIMEOUT 180
                                               RESOURCE_LOCK tavrik_wine_prefix LABELS wine)
    set_tests_properties(wine.teardown PROPERTIES FIXTURES_CLEANUP tavrik_wine TIMEOUT 60
                                                  RESOURCE_LOCK tavrik_wine_prefix LABELS wine)
endfunction()

# tavrik_add_wine_test(NAME name COMMAND command [args...]
#                      [TIMEOUT seconds] [WORKING_DIRECTORY dir] [ENVIRONMENT VAR=value...])
#
# The command runs on Linux with TAVRIK_WINE_STATE (the prepared run, see
# tools/wine/README.md), TAVRIK_WINE_TOOLS, TAVRIK_WIN64_DIR and
# TAVRIK_WIN32_DIR in its environment; it reaches the prefix through
# tools/wine/wine-run.sh or by sourcing tools/wine/wine-lib.sh.
function(tavrik_add_wine_test)
    cmake_parse_arguments(PARSE_ARGV 0 ARG "" "NAME;TIMEOUT;WORKING_DIRECTORY"
                          "COMMAND;ENVIRONMENT")
    if(NOT ARG_NAME OR NOT ARG_COMMAND)
        message(FATAL_ERROR "tavrik_add_wine_test needs NAME and COMMAND")
    endif()
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    if(NOT ARG_WORKING_DIRECTORY)
        set(ARG_WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}")
    endif()
    _tavrik_wine_add_fixture()
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_COMMAND} WORKING_DIRECTORY "${ARG_WORKING_DIRECTORY}")
    set(environment
        "TAVRIK_WINE_STATE=${TAVRIK_WINE_STATE}"
        "TAVRIK_WINE_TOOLS=${TAVRIK_WINE_TOOLS}"
        "TAVRIK_WIN64_DIR=${TAVRIK_WIN64_DIR}"
        "TAVRIK_WIN32_DIR=${TAVRIK_WIN32_DIR}"
        ${ARG_ENVIRONMENT})
    set_tests_properties(${ARG_NAME} PROPERTIES
        FIXTURES_REQUIRED tavrik_wine
        RESOURCE_LOCK tavrik_wine_prefix
        TIMEOUT ${ARG_TIMEOUT}
        LABELS wine
        ENVIRONMENT "${environment}")
endfunction()
