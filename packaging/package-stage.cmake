# Run by cpack (CPACK_PRE_BUILD_SCRIPTS) for each package, once its files are
# staged in CPACK_TEMPORARY_DIRECTORY and before the package is made of them.
#
# - Every staged folder gets the mode 0755 whatever the umask, which the
#   .deb and the ZIP store. (Their times are SOURCE_DATE_EPOCH, which CPack's
#   archivers put in themselves.)
# - For the NSIS installer it writes velmo-files.nsh beside the installer's
#   script, with the macros VelmoInstallFiles and VelmoDeleteFiles: one File
#   command per staged file and one Delete per file, in sorted order, and the
#   folders removed deepest first. makensis's own `File /r` and CPack's list of
#   files to delete follow the order in which the file system lists a folder,
#   which differs from one build folder to the next.

if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not set: cpack did not read packaging/package-time.cmake")
endif()
set(velmo_stage "${CPACK_TEMPORARY_DIRECTORY}")

file(GLOB_RECURSE velmo_files LIST_DIRECTORIES false RELATIVE "${velmo_stage}" "${velmo_stage}/*")
file(GLOB_RECURSE velmo_folders LIST_DIRECTORIES true RELATIVE "${velmo_stage}" "${velmo_stage}/*")
list(REMOVE_ITEM velmo_folders ${velmo_files})
list(SORT velmo_files)
list(SORT velmo_folders)

foreach(folder IN LISTS velmo_folders)
    file(CHMOD "${velmo_stage}/${folder}" DIRECTORY_PERMISSIONS
        OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()

if(CPACK_GENERATOR STREQUAL "NSIS")
    # NSIS writes paths inside the installer with backslashes.
    set(velmo_install "!macro VelmoInstallFiles\n")
    # Not a folder name, so that the first file sets the folder.
    set(velmo_current_folder "/")
    foreach(path IN LISTS velmo_files)
        get_filename_component(folder "${path}" DIRECTORY)
        if(NOT folder STREQUAL velmo_current_folder)
            string(REPLACE "/" "\\" windows_folder "${folder}")
            if(folder STREQUAL "")
                string(APPEND velmo_install "  SetOutPath \"$INSTDIR\"\n")
            else()
                string(APPEND velmo_install "  SetOutPath \"$INSTDIR\\${windows_folder}\"\n")
            endif()
            set(velmo_current_folder "${folder}")
        endif()
        string(APPEND velmo_install "  File \"${velmo_stage}/${path}\"\n")
    endforeach()
    # Files are written with the working folder at $INSTDIR again, which the
    # shortcuts then take as theirs.
    string(APPEND velmo_install "  SetOutPath \"$INSTDIR\"\n!macroend\n")

    set(velmo_delete "!macro VelmoDeleteFiles\n")
    foreach(path IN LISTS velmo_files)
        string(REPLACE "/" "\\" windows_path "${path}")
        string(APPEND velmo_delete "  Delete \"$INSTDIR\\${windows_path}\"\n")
    endforeach()
    list(REVERSE velmo_folders)
    foreach(folder IN LISTS velmo_folders)
        string(REPLACE "/" "\\" windows_folder "${folder}")
        string(APPEND velmo_delete "  RMDir \"$INSTDIR\\${windows_folder}\"\n")
    endforeach()
    string(APPEND velmo_delete "!macroend\n")

    # UTF-8: the installer's script includes it with /CHARSET=UTF8.
    file(WRITE "${CPACK_TOPLEVEL_DIRECTORY}/velmo-files.nsh" "${velmo_install}\n${velmo_delete}")
endif()
