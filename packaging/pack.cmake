# Read by cpack before it makes each package.

# One commit gives the same package bytes wherever, whenever and by whomever it is packed: file
# times are the last commit's (the release date's in a tree without git) unless SOURCE_DATE_EPOCH
# is set, and the ZIP's times, which its format keeps in local time, are UTC's.
set(ENV{TZ} UTC)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH} AND EXISTS ${CPACK_NUMCONST_SOURCE_DIR}/.git)
    include(${CMAKE_CURRENT_LIST_DIR}/git.cmake)
    numconst_git(${CPACK_NUMCONST_SOURCE_DIR} commit log -1 --format=%ct)
    string(STRIP "${commit}" commit)
    set(ENV{SOURCE_DATE_EPOCH} ${commit})
    numconst_git(${CPACK_NUMCONST_SOURCE_DIR} changes status --porcelain --untracked-files=no)
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
