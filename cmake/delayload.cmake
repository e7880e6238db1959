# velmo_delay_load(<target> <dll> <function>...) links target with an import
# library of dll that loads the DLL on the first call of one of its functions
# (the delay-load helper of mingw-w64's runtime) rather than when the program
# starts. It is meant for DLLs that only a command the user may never choose
# needs; a DLL that every Windows has, since a failed load on that first
# call ends the program.
function(velmo_delay_load target dll)
    find_program(VELMO_DLLTOOL NAMES x86_64-w64-mingw32-dlltool dlltool REQUIRED)
    get_filename_component(name "${dll}" NAME_WE)
    set(definitions "${CMAKE_CURRENT_BINARY_DIR}/${name}-delay.def")
    set(library "${CMAKE_CURRENT_BINARY_DIR}/lib${name}-delay.a")
    list(JOIN ARGN "\n" exports)
    file(CONFIGURE OUTPUT "${definitions}" CONTENT "LIBRARY ${dll}\nEXPORTS\n${exports}\n")
    # Made in its folder under a bare name: dlltool names the library's
    # symbols after the path it is given, which would put the build's path
    # into the program.
    add_custom_command(OUTPUT "${library}"
        COMMAND "${VELMO_DLLTOOL}" --input-def "${name}-delay.def" --output-delaylib "lib${name}-delay.a"
        DEPENDS "${definitions}"
        WORKING_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}"
        VERBATIM)
    add_custom_target(${target}-${name}-delay DEPENDS "${library}")
    add_dependencies(${target} ${target}-${name}-delay)
    target_link_libraries(${target} PUBLIC "${library}" delayimp)
endfunction()
