if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(NUMCONST_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT NUMCONST_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps (package dpkg-dev) is needed to find the package's "
                            "dependencies; install it and package again.")
    endif()
endif()
