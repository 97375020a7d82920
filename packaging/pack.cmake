# Read by cpack before it makes each package.

# One commit gives the same package bytes wherever, whenever and by whomever it is packed: file
# times are the last commit's (the release date's in a tree without git) unless SOURCE_DATE_EPOCH
# is set, and the ZIP's times, which its format keeps in local time, are UTC's.
set(ENV{TZ} UTC)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND EXISTS ${CPACK_NUMCONST_SOURCE_DIR}/.git)
    set(git git -C ${CPACK_NUMCONST_SOURCE_DIR})
    execute_process(COMMAND ${git} log -1 --format=%ct OUTPUT_VARIABLE commit
        ERROR_VARIABLE error RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(failed)
        message(FATAL_ERROR "git cannot tell the time of the commit in "
            "${CPACK_NUMCONST_SOURCE_DIR}, which the packages' files take: ${failed}\n${error}"
            "If git finds the checkout owned by another user, let it read the checkout with\n"
            "    git config --global --add safe.directory ${CPACK_NUMCONST_SOURCE_DIR}\n"
            "and pack again; or give the time in seconds since 1970 as SOURCE_DATE_EPOCH.")
    endif()
    set(ENV{SOURCE_DATE_EPOCH} ${commit})
    execute_process(COMMAND ${git} status --porcelain --untracked-files=no
        OUTPUT_VARIABLE changes)
    if(changes)
        message(WARNING "The checkout has uncommitted changes, which the packages hold: they are "
            "not those of its last commit.\n${changes}")
    endif()
elseif(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_NUMCONST_RELEASE_EPOCH})
endif()

# Without dpkg-shlibdeps CPack would write a package that depends on nothing.
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(NUMCONST_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT NUMCONST_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps (package dpkg-dev) is needed to find the package's "
                            "dependencies; install it and package again.")
    endif()
endif()
