# Run by cpack once it has put what a package holds into its staging folder, before it packs it.
# For the installer, it lists what the uninstaller deletes (NSIS.template.in): each file that the
# installer writes, then each folder, the deepest first, and the files' size, which its entry
# gives. Whatever else lies in the install folder is the user's own (a build of the source, a log),
# and stays with the folders that hold it. The lines go into variables, which cpack then puts into
# the template; nothing is written into the staging folder, whose every file the installer carries.

# The staged files and folders, each sorted, so that the installer is the same bytes wherever it is
# packed; the folders backwards, so that each comes after everything in it.
file(GLOB_RECURSE staged LIST_DIRECTORIES true RELATIVE ${CPACK_TEMPORARY_DIRECTORY}
    ${CPACK_TEMPORARY_DIRECTORY}/*)
list(SORT staged)
set(files "")
set(folders "")
set(bytes 0)
foreach(name IN LISTS staged)
    if(NOT EXISTS "${CPACK_TEMPORARY_DIRECTORY}/${name}")
        message(FATAL_ERROR "A file to install has a semicolon in its name, which the "
            "uninstaller's list cannot hold: ${name}")
    endif()
    # In NSIS's strings $ is written $$; Windows separates folders with backslashes.
    string(REPLACE "$" "$$" line "${name}")
    string(REPLACE "/" "\\" line "${line}")
    if(IS_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}/${name}")
        string(PREPEND folders "  RMDir \"$INSTDIR\\${line}\"\n")
    else()
        string(APPEND files "  !insertmacro DeleteInstalled \"${line}\"\n")
        file(SIZE "${CPACK_TEMPORARY_DIRECTORY}/${name}" size)
        math(EXPR bytes "${bytes} + ${size}")
    endif()
endforeach()
if(CPACK_GENERATOR STREQUAL "NSIS" AND files STREQUAL "")
    message(FATAL_ERROR "Nothing to install in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
set(CPACK_NUMCONST_DELETE_FILES "${files}")
set(CPACK_NUMCONST_DELETE_FOLDERS "${folders}")
math(EXPR CPACK_NUMCONST_INSTALLED_KB "(${bytes} + 1023) / 1024")
