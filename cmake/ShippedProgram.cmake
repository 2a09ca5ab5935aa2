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
endfunction()
