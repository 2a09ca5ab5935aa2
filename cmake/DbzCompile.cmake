# tavrik_compile_dictionary(SOURCE OUTPUT)
#
# Adds a build rule that compiles the UTF-8 dictionary source SOURCE (relative
# to the current source folder) into the .DBZ file OUTPUT (relative to the
# current build folder). List OUTPUT among a target's DEPENDS or SOURCES to
# have it built.
#
# The compiler is a build-machine program. The native build uses its own
# dbzc target. A cross build (win64, win32) cannot run what it builds, so it
# takes a native dbzc from the cache variable TAVRIK_DBZC, for example
#   -DTAVRIK_DBZC=<repo>/build/native/lx32/compiler/dbzc
# after building the native preset's dbzc target.
include_guard(GLOBAL)

set(TAVRIK_DBZC "" CACHE FILEPATH
    "Native dictionary compiler (dbzc) used by cross builds")

function(tavrik_compile_dictionary SOURCE OUTPUT)
    get_filename_component(source "${SOURCE}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    get_filename_component(output "${OUTPUT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
    get_filename_component(output_dir "${output}" DIRECTORY)

    if(NOT CMAKE_CROSSCOMPILING)
        # A target name runs that target's file; in DEPENDS it also reruns the
        # rule when the compiler is rebuilt.
        set(compiler dbzc)
        set(compiler_file dbzc)
    elseif(TAVRIK_DBZC)
        # Checked when the rule runs, so that the presets can be configured in
        # any order before the native dbzc is built.
        set(compiler "${TAVRIK_DBZC}")
        set(compiler_file "${TAVRIK_DBZC}")
    else()
        message(FATAL_ERROR "compiling ${SOURCE} needs a native dictionary compiler: set "
                            "TAVRIK_DBZC to the dbzc of a native build")
    endif()

    file(RELATIVE_PATH shown "${CMAKE_BINARY_DIR}" "${output}")
    add_custom_command(
        OUTPUT "${output}"
        COMMAND ${CMAKE_COMMAND} -E make_directory "${output_dir}"
        COMMAND ${compiler} "${source}" "${output}"
        DEPENDS "${source}" ${compiler_file}
        COMMENT "Compiling dictionary ${shown}"
        VERBATIM)
endfunction()
