cmake_minimum_required(VERSION 3.25)
# Draws the pictures afresh and compares them byte for byte with the
# committed ones; also catches a committed flag that the generator no longer
# draws.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/BMP ${WORK_DIR}/DICO)
execute_process(COMMAND ${GENERATOR} ${WORK_DIR}/BMP ${WORK_DIR}/DICO RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()

set(stale "")
foreach(pair "BMP;${BMP_DIR}" "DICO;${FLAG_DIR}")
    list(GET pair 0 sub)
    list(GET pair 1 committed)
    file(GLOB fresh RELATIVE ${WORK_DIR}/${sub} ${WORK_DIR}/${sub}/*.bmp)
    file(GLOB present RELATIVE ${committed} ${committed}/*.bmp)
    foreach(name IN LISTS fresh)
        execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files
                                ${WORK_DIR}/${sub}/${name} ${committed}/${name}
                        RESULT_VARIABLE differs)
        if(NOT differs EQUAL 0)
            list(APPEND stale "${committed}/${name}")
        endif()
    endforeach()
    foreach(name IN LISTS present)
        if(NOT name IN_LIST fresh)
            list(APPEND stale "${committed}/${name} (not drawn by the generator)")
        endif()
    endforeach()
endforeach()

if(stale)
    list(JOIN stale "\n  " report)
    message(FATAL_ERROR "pictures out of date; run the media_regenerate target:\n  ${report}")
endif()
