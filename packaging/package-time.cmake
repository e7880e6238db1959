# Read by cpack (CPACK_PROJECT_CONFIG_FILE) before it makes each package.
#
# Every time stamp in the packages is SOURCE_DATE_EPOCH, in seconds since
# 1970 (UTC). A value the caller exports wins. Otherwise it is the time of the
# commit the source folder is at, asked of git now rather than when the build
# was configured, so that a later commit built in the same folder gets its own
# time. A source folder without git (an exported tree) falls back to the time
# of its top CMakeLists.txt: `git archive` gives every file the commit's time.
#
# The value is put into cpack's own environment, where the DEB generator reads
# it and from where makensis inherits it.

if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    set(velmo_epoch "")
    find_program(VELMO_GIT git)
    if(VELMO_GIT)
        execute_process(
            COMMAND "${VELMO_GIT}" -C "${CPACK_VELMO_SOURCE_DIR}" rev-parse --show-toplevel
            OUTPUT_VARIABLE velmo_top
            OUTPUT_STRIP_TRAILING_WHITESPACE
            ERROR_QUIET)
        file(REAL_PATH "${CPACK_VELMO_SOURCE_DIR}" velmo_source)
        if(velmo_top AND velmo_top STREQUAL velmo_source)
            execute_process(
                COMMAND "${VELMO_GIT}" -C "${CPACK_VELMO_SOURCE_DIR}" log -1 --format=%ct
                OUTPUT_VARIABLE velmo_epoch
                OUTPUT_STRIP_TRAILING_WHITESPACE
                ERROR_QUIET)
        endif()
    endif()
    if(NOT velmo_epoch MATCHES "^[0-9]+$")
        file(TIMESTAMP "${CPACK_VELMO_SOURCE_DIR}/CMakeLists.txt" velmo_epoch "%s" UTC)
    endif()
    set(ENV{SOURCE_DATE_EPOCH} "${velmo_epoch}")
endif()
