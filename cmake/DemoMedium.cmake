# The demo medium for the Wine scenarios: assembled once per test run from
# the win64 build (the wizard, its dictionary library, the setup, the demo
# application, the component) and this build's compiled dictionaries and
# waiting pictures, by a fixture that every wizard scenario requires.
include_guard(DIRECTORY)
include("${CMAKE_CURRENT_LIST_DIR}/WineTests.cmake")

set(TAVRIK_DEMO_MEDIUM "${CMAKE_BINARY_DIR}/demo-medium")

function(_tavrik_demo_medium_fixture)
    get_property(added GLOBAL PROPERTY TAVRIK_DEMO_MEDIUM_ADDED)
    if(added)
        return()
    endif()
    set_property(GLOBAL PROPERTY TAVRIK_DEMO_MEDIUM_ADDED TRUE)
    add_test(NAME demo_medium.assemble
        COMMAND "${PROJECT_SOURCE_DIR}/tools/assemble-medium.sh" "${TAVRIK_DEMO_MEDIUM}"
                "${TAVRIK_WIN64_DIR}" "${CMAKE_BINARY_DIR}/medium")
    set_tests_properties(demo_medium.assemble PROPERTIES FIXTURES_SETUP tavrik_demo_medium)
endfunction()

# tavrik_add_demo_medium_fixture(): the fixture tavrik_demo_medium, for
# native tests that read the demo medium from the folder TAVRIK_DEMO_MEDIUM.
function(tavrik_add_demo_medium_fixture)
    _tavrik_demo_medium_fixture()
endfunction()

# tavrik_add_wizard_test(NAME name COMMAND script [args...] [TIMEOUT s]): a Wine
# scenario of the real wizard; the script finds the medium in
# TAVRIK_DEMO_MEDIUM (tests/e2e/lib/wizard.sh).
function(tavrik_add_wizard_test)
    cmake_parse_arguments(PARSE_ARGV 0 ARG "" "NAME;TIMEOUT" "COMMAND")
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 180)
    endif()
    _tavrik_demo_medium_fixture()
    tavrik_add_wine_test(NAME ${ARG_NAME} COMMAND ${ARG_COMMAND} TIMEOUT ${ARG_TIMEOUT}
                         ENVIRONMENT "TAVRIK_DEMO_MEDIUM=${TAVRIK_DEMO_MEDIUM}")
    set_property(TEST ${ARG_NAME} APPEND PROPERTY FIXTURES_REQUIRED tavrik_demo_medium)
endfunction()

# tavrik_require_demo_medium(test): a test that reads the assembled demo
# medium (TAVRIK_DEMO_MEDIUM) without Wine, e.g. the dry run's.
function(tavrik_require_demo_medium test)
    _tavrik_demo_medium_fixture()
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED tavrik_demo_medium)
endfunction()
