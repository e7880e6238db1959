# cmake -DSCREENSHOT=<velmo-page-screenshot> -DOUTPUT=<folder> -P samepage.cmake
# Renders the fixed page with no locale set and under each setting below, and
# fails when any rendering differs from the one under C.UTF-8.
execute_process(COMMAND locale -a OUTPUT_VARIABLE installed COMMAND_ERROR_IS_FATAL ANY)
foreach(locale IN ITEMS ja_JP en_US)
    if(NOT installed MATCHES "${locale}\\.utf8")
        message(FATAL_ERROR "the locale ${locale}.UTF-8 is not generated (scripts/common.sh generates it)")
    endif()
endforeach()

file(MAKE_DIRECTORY "${OUTPUT}")
set(settings "LANG=C.UTF-8" "LANG=ja_JP.UTF-8" "LANG=en_US.UTF-8" "LC_ALL=ja_JP.UTF-8" "LC_ALL=en_US.UTF-8" "unset")
foreach(setting IN LISTS settings)
    string(REPLACE "=" "-" name "${setting}")
    set(assignment "${setting}")
    if(setting STREQUAL "unset")
        set(assignment "")
    endif()
    execute_process(
        COMMAND "${CMAKE_COMMAND}" -E env --unset=LANG --unset=LC_ALL --unset=LANGUAGE ${assignment}
                "${SCREENSHOT}" "${OUTPUT}/${name}.png"
        COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUTPUT}/LANG-C.UTF-8.png" "${OUTPUT}/${name}.png"
                    RESULT_VARIABLE different)
    if(different)
        message(SEND_ERROR "the page under ${setting} differs from the page under LANG=C.UTF-8: ${OUTPUT}/${name}.png")
    endif()
endforeach()
