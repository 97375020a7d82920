# Read by cpack before it makes each package.

# One commit gives the same package bytes wherever and whenever it is packed: file times are the
# last commit's, or the release date's in a tree without git, unless SOURCE_DATE_EPOCH is set.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_NUMCONST_RELEASE_EPOCH})
    if(EXISTS ${CPACK_NUMCONST_SOURCE_DIR}/.git)
        execute_process(COMMAND git -C ${CPACK_NUMCONST_SOURCE_DIR} log -1 --format=%ct
            OUTPUT_VARIABLE commit OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(commit)
            set(ENV{SOURCE_DATE_EPOCH} ${commit})
        endif()
    endif()
endif()

# Without dpkg-shlibdeps CPack would write a package that depends on nothing.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(NUMCONST_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT NUMCONST_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps (package dpkg-dev) is needed to find the package's "
                            "dependencies; install it and package again.")
    endif()
endif()
