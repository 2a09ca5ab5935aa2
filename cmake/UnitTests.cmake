# tavrik_add_unit_test(NAME SOURCES ... LIBRARIES ...): a native GoogleTest
# executable against the in-memory machine, its cases registered in CTest.
function(tavrik_add_unit_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} tavrik_platform_fake
                                          GTest::gtest GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/..)
    tavrik_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
