# tavrik_ship_stripped(target): the program as it ships, without symbols; its
# symbols stay in the build folder beside it as <file>.debug, which the
# program names (a debugger given the build folder finds them).
function(tavrik_ship_stripped target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND "${CMAKE_OBJCOPY}" --only-keep-debug "$<TARGET_FILE:${target}>"
                "$<TARGET_FILE:${target}>.debug"
        COMMAND "${CMAKE_OBJCOPY}" --strip-all "--add-gnu-debuglink=$<TARGET_FILE:${target}>.debug"
                "$<TARGET_FILE:${target}>"
        VERBATIM)
    # The x86_64 build is the one that runs under Wine, whose loader maps an
    # image straight from its file only when every section starts at a page
    # offset; otherwise it reads each section into new memory, at every load
    # (the dictionary library is loaded for every phrase). Page-aligned, the
    # program maps 4-5 ms sooner and the library 0.25 ms sooner per load.
    # The i686 build keeps the compact alignment: it ships on the medium for
    # Windows, whose loader pages images in whatever their alignment.
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        target_link_options(${target} PRIVATE -Wl,--file-alignment,0x1000)
    endif()
endfunction()
