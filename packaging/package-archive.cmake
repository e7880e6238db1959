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

#
# CPack's .deb takes the mode of its three ar members (debian-binary,
# control.tar.gz, data.tar.xz) from the files it wrote them from, that is
# from the umask of the build. Each .deb is put together again here, as
# dpkg-deb does it: the same members in the same order, mode 0644, owner 0,
# time SOURCE_DATE_EPOCH.

if(CPACK_GENERATOR STREQUAL "DEB")
    foreach(package IN LISTS CPACK_PACKAGE_FILES)
        if(NOT package MATCHES "\\.deb$")
            continue()
        endif()
        set(velmo_work "${CPACK_TOPLEVEL_DIRECTORY}/velmo-deb-members")
        file(REMOVE_RECURSE "${velmo_work}")
        file(MAKE_DIRECTORY "${velmo_work}")
        file(ARCHIVE_EXTRACT INPUT "${package}" DESTINATION "${velmo_work}")
        # An ar archive: its magic line, then per member a 60-byte header and
        # the member's bytes, padded with a newline to an even length.
        file(WRITE "${velmo_work}.magic" "!<arch>\n")
        file(WRITE "${velmo_work}.pad" "\n")
        set(velmo_parts "${velmo_work}.magic")
        foreach(member IN ITEMS debian-binary control.tar.gz control.tar.xz control.tar.zst
                                data.tar.gz data.tar.xz data.tar.zst data.tar)
            if(NOT EXISTS "${velmo_work}/${member}")
                continue()
            endif()
            file(SIZE "${velmo_work}/${member}" velmo_size)
            set(velmo_header "")
            foreach(field IN ITEMS "${member}:16" "$ENV{SOURCE_DATE_EPOCH}:12" "0:6" "0:6" "100644:8" "${velmo_size}:10")
                string(REGEX MATCH "^(.*):([0-9]+)$" velmo_match "${field}")
                string(LENGTH "${CMAKE_MATCH_1}" velmo_length)
                math(EXPR velmo_spaces "${CMAKE_MATCH_2} - ${velmo_length}")
                string(REPEAT " " ${velmo_spaces} velmo_padding)
                string(APPEND velmo_header "${CMAKE_MATCH_1}${velmo_padding}")
            endforeach()
            file(WRITE "${velmo_work}.${member}.header" "${velmo_header}`\n")
            list(APPEND velmo_parts "${velmo_work}.${member}.header" "${velmo_work}/${member}")
            math(EXPR velmo_odd "${velmo_size} % 2")
            if(velmo_odd)
                list(APPEND velmo_parts "${velmo_work}.pad")
            endif()
        endforeach()
        execute_process(COMMAND "${CMAKE_COMMAND}" -E cat ${velmo_parts} OUTPUT_FILE "${package}"
            COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    return()
endif()

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
