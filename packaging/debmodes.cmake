# Run by cpack after it has made a package. CPack writes the three members of a .deb (debian-binary,
# control.tar.gz, data.tar.gz) with the modes that the packer's umask gave their files; here they
# get 0644, as dpkg-deb writes them, so that the package is the same bytes under any umask.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    set(mode ${CPACK_TOPLEVEL_DIRECTORY}/ar-mode)
    file(WRITE ${mode} "100644  ")
    set(header 8) # after the archive's magic string
    foreach(member RANGE 2)
        # A member's header: name (16 bytes), time (12), owner (6), group (6), mode (8), size (10).
        file(READ ${package} size OFFSET ${header} LIMIT 58)
        string(SUBSTRING "${size}" 48 10 size)
        string(STRIP "${size}" size)
        math(EXPR at "${header} + 40")
        execute_process(COMMAND dd if=${mode} of=${package} bs=1 seek=${at} conv=notrunc
            ERROR_QUIET RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "dd could not set the modes in ${package}: ${failed}")
        endif()
        math(EXPR header "${header} + 60 + ${size} + ${size} % 2")
    endforeach()
    file(REMOVE ${mode})
endforeach()
