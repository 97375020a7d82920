# Installs numconst's own source into the Windows packages, with which it can be relinked against
# another Qt: the files that git tracks, as they are in the work tree, with git's modes, so that
# nothing else that lies in the checkout reaches a package. A tree without git, unpacked from a
# release tarball, gives all its files but those of builds: under build/, and in any folder that
# holds a CMakeCache.txt.
set(destination ${CMAKE_INSTALL_PREFIX}/source)

function(install_source file mode) # MODE: git's, or empty for the file's own
    get_filename_component(folder "${file}" DIRECTORY)
    set(permissions USE_SOURCE_PERMISSIONS)
    if(mode)
        set(permissions FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()
    if(mode STREQUAL "100755")
        list(APPEND permissions OWNER_EXECUTE GROUP_EXECUTE WORLD_EXECUTE)
    endif()
    file(INSTALL "${NUMCONST_SOURCE_DIR}/${file}" DESTINATION "${destination}/${folder}"
        ${permissions})
endfunction()

if(EXISTS ${NUMCONST_SOURCE_DIR}/.git)
    include(${CMAKE_CURRENT_LIST_DIR}/../git.cmake)
    set(list -c core.quotePath=false ls-files)
    numconst_git(${NUMCONST_SOURCE_DIR} files ${list} --stage)
    numconst_git(${NUMCONST_SOURCE_DIR} deleted ${list} --deleted)
    # One line a file, "MODE OBJECT STAGE\tNAME"; a name may hold semicolons, so no CMake lists.
    # git quotes a name that holds a quote, a backslash or a control character, none of which,
    # nor <>:|?*, Windows allows in a name.
    while(files MATCHES "^([0-7]+) [^\t]*\t([^\n]*)\n(.*)$")
        set(mode ${CMAKE_MATCH_1})
        set(file "${CMAKE_MATCH_2}")
        set(files "${CMAKE_MATCH_3}")
        if(file MATCHES "^\"|[<>:|?*]")
            message(FATAL_ERROR "git tracks a file whose name Windows cannot hold, so the Windows "
                "packages cannot carry numconst's source: ${file}")
        elseif(EXISTS "${NUMCONST_SOURCE_DIR}/${file}" OR IS_SYMLINK "${NUMCONST_SOURCE_DIR}/${file}")
            install_source("${file}" ${mode})
        else()
            string(FIND "\n${deleted}" "\n${file}\n" listed)
            if(listed LESS 0)
                message(FATAL_ERROR "git tracks ${file}, which is missing from the work tree.")
            endif()
        endif()
    endwhile()
else()
    file(GLOB_RECURSE files RELATIVE ${NUMCONST_SOURCE_DIR} ${NUMCONST_SOURCE_DIR}/*)
    set(builds ${files})
    list(FILTER builds INCLUDE REGEX "(^|/)CMakeCache.txt$")
    list(FIND builds CMakeCache.txt in_place)
    if(in_place GREATER_EQUAL 0)
        message(FATAL_ERROR "numconst's source cannot be told from the build's own files in a "
            "tree without git that is built in place: build it in a folder of its own.")
    endif()
    list(TRANSFORM builds REPLACE "CMakeCache.txt$" "")
    foreach(file IN LISTS files)
        set(build_file NO)
        foreach(build IN LISTS builds ITEMS build/)
            string(FIND "${file}" "${build}" at)
            if(at EQUAL 0)
                set(build_file YES)
            endif()
        endforeach()
        if(NOT build_file)
            install_source("${file}" "")
        endif()
    endforeach()
endif()
