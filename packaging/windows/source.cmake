# Installs numconst's own source into the Windows packages, with which it can be relinked against
# another Qt: the files that git tracks, as they are in the work tree, so that nothing else that
# lies in the checkout reaches a package. A tree without git, unpacked from a release tarball,
# gives all its files but those under build/ and under the build folder.
if(EXISTS ${NUMCONST_SOURCE_DIR}/.git)
    execute_process(COMMAND git -c core.quotePath=false ls-files
        WORKING_DIRECTORY ${NUMCONST_SOURCE_DIR} OUTPUT_VARIABLE files RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "git cannot list numconst's source: ${failed}")
    endif()
    string(REGEX REPLACE "\n$" "" files "${files}")
    string(REPLACE "\n" ";" files "${files}")
else()
    file(GLOB_RECURSE files RELATIVE ${NUMCONST_SOURCE_DIR} ${NUMCONST_SOURCE_DIR}/*)
    file(RELATIVE_PATH build ${NUMCONST_SOURCE_DIR} ${NUMCONST_BINARY_DIR})
    foreach(file IN LISTS files)
        string(FIND "${file}" "${build}/" in_build)
        if(file MATCHES "^build/" OR in_build EQUAL 0)
            list(REMOVE_ITEM files ${file})
        endif()
    endforeach()
endif()
foreach(file IN LISTS files)
    if(EXISTS ${NUMCONST_SOURCE_DIR}/${file}) # not deleted from the work tree
        get_filename_component(folder ${file} DIRECTORY)
        file(INSTALL ${NUMCONST_SOURCE_DIR}/${file}
            DESTINATION ${CMAKE_INSTALL_PREFIX}/source/${folder})
    endif()
endforeach()
