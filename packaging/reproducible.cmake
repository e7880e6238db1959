# Reproducible builds: the same commit, built twice in two different folders,
# gives the same bytes in the program and in every package.
#
# What would otherwise differ between two builds, and what is done about it:
#
# - The compiler writes the paths of the source and build folders into the
#   debug information, which the packages strip, but the Linux linker's build
#   id is a hash over the whole unstripped program, paths included. Both
#   folders are written as "." (the build folder is named last, so that it wins
#   where it lies inside the source folder).
# - Qt's moc writes the header it reads into its output as a path relative to
#   the build folder, which the debug information keeps, so that build
#   folders at different depths give different programs. With
#   AUTOMOC_PATH_PREFIX moc names the header from its include folder instead.
# - The MinGW linker writes the time of the link into the PE header of every
#   Windows program; --no-insert-timestamp leaves it at zero. The version
#   resource carries no date.
# - The packages take every time stamp from SOURCE_DATE_EPOCH, which the
#   packaging step (package-time.cmake) sets to the time of the commit.
#
# Included from packaging/CMakeLists.txt; velmo_build_options reaches every
# target of the project, so that tests and tools are built the same way. A
# build that makes its packages elsewhere (the browser build's site ZIP in
# tools/web) includes this file before include(CPack) to get the same.

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(velmo_build_options INTERFACE
        "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
        "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=.>")
endif()
if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_link_options(velmo_build_options INTERFACE "LINKER:--no-insert-timestamp")
endif()

# Turns AUTOMOC_PATH_PREFIX on for every target that runs moc among those
# defined so far in the folder and below it: src and tools, which come before
# packaging; the tests, which come after, go into no package.
function(velmo_use_moc_path_prefix folder)
    get_property(targets DIRECTORY "${folder}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(automoc "${target}" AUTOMOC)
        if(automoc)
            set_property(TARGET "${target}" PROPERTY AUTOMOC_PATH_PREFIX ON)
        endif()
    endforeach()
    get_property(subfolders DIRECTORY "${folder}" PROPERTY SUBDIRECTORIES)
    foreach(subfolder IN LISTS subfolders)
        velmo_use_moc_path_prefix("${subfolder}")
    endforeach()
endfunction()
velmo_use_moc_path_prefix("${PROJECT_SOURCE_DIR}")

# Read by cpack before each package is made: sets SOURCE_DATE_EPOCH for cpack
# and the programs it runs (makensis), unless the caller has set it.
set(CPACK_PROJECT_CONFIG_FILE "${CMAKE_CURRENT_LIST_DIR}/package-time.cmake")
# Run by cpack once the files of a package are staged: gives every staged
# file and folder that time, and writes the installer's file lists in a fixed
# order.
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/package-stage.cmake")
# Run by cpack once a package is made: writes a ZIP again with its entries
# sorted.
set(CPACK_POST_BUILD_SCRIPTS "${CMAKE_CURRENT_LIST_DIR}/package-archive.cmake")
set(CPACK_VELMO_SOURCE_DIR "${PROJECT_SOURCE_DIR}")
