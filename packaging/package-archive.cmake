# Run by cpack (CPACK_POST_BUILD_SCRIPTS) after it has made each package.
#
# CPack's ZIP lists the files in the order in which the file system lists the
# staged folder, which differs between two build folders. Each ZIP is written
# again here from the same staged files, sorted by name. CMake's archiver
# gives every entry the time SOURCE_DATE_EPOCH (set by package-time.cmake),
# which the ZIP stores twice: in UTC and as an MS-DOS local time, which
# libarchive reckons in the time zone of the process, so the archiver runs in
# UTC. It runs under a UTF-8 locale, without which it cannot store the
# Japanese file names (as UTF-8, flagged as such for Windows' Explorer).
#
# What this cannot fix: libarchive also stores each file owner's numeric user
# and group, and `cmake -E tar` has no option to set them, so two builds are
# the same only when the same user (root on CI) makes them.

if(NOT CPACK_GENERATOR STREQUAL "ZIP")
    return()
endif()

set(velmo_stage "${CPACK_TEMPORARY_DIRECTORY}")
file(GLOB_RECURSE velmo_files LIST_DIRECTORIES false RELATIVE "${velmo_stage}" "${velmo_stage}/*")
list(SORT velmo_files)
if(CPACK_INCLUDE_TOPLEVEL_DIRECTORY)
    get_filename_component(velmo_top "${velmo_stage}" NAME)
    get_filename_component(velmo_stage "${velmo_stage}" DIRECTORY)
    list(TRANSFORM velmo_files PREPEND "${velmo_top}/")
endif()

foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(package MATCHES "\\.zip$")
        file(REMOVE "${package}")
        execute_process(
            COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC LC_ALL=C.UTF-8
                "${CMAKE_COMMAND}" -E tar cf "${package}" --format=zip -- ${velmo_files}
            WORKING_DIRECTORY "${velmo_stage}"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
