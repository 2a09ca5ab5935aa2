# Warnings for the project's own targets.
function(tavrik_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
    if(TAVRIK_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
