# Run by cpack after it has made a package. CPack's ZIP gives each entry, in its Unix extra field
# ("ux"), the user and group that own the packer's files; here they become 0, as in the .deb, so
# that the ZIP is the same bytes whoever packs it. The field is outside what the CRCs cover.

# The little-endian number of BYTES bytes at AT in the hex string TEXT.
function(zip_number text at bytes result)
    set(number "")
    math(EXPR last "${bytes} - 1")
    foreach(byte RANGE ${last})
        math(EXPR from "(${at} + ${byte}) * 2")
        string(SUBSTRING "${text}" ${from} 2 pair)
        string(PREPEND number ${pair})
    endforeach()
    math(EXPR number "0x${number}")
    set(${result} ${number} PARENT_SCOPE)
endfunction()

# Sets the owner and group in the ux field among the extra fields of LENGTH bytes at AT in ZIP.
function(zip_clear_owners zip at length)
    file(READ ${zip} extra OFFSET ${at} LIMIT ${length} HEX)
    set(field 0)
    while(field LESS length)
        zip_number("${extra}" ${field} 2 id)
        zip_number("${extra}" "${field} + 2" 2 size)
        if(id EQUAL 30837) # "ux"
            math(EXPR from "${field} * 2 + 8")
            string(SUBSTRING "${extra}" ${from} 22 ux)
            if(NOT ux MATCHES "^0104........04........$")
                message(FATAL_ERROR "${zip}: an owner field of another form: ${ux}")
            endif()
            foreach(id_at 6 11) # owner, then group, four bytes each
                math(EXPR seek "${at} + ${field} + ${id_at}")
                execute_process(COMMAND dd if=/dev/zero of=${zip} bs=1 count=4 seek=${seek}
                    conv=notrunc ERROR_QUIET RESULT_VARIABLE failed)
                if(failed)
                    message(FATAL_ERROR "dd could not clear the owners in ${zip}: ${failed}")
                endif()
            endforeach()
        endif()
        math(EXPR field "${field} + 4 + ${size}")
    endwhile()
endfunction()

foreach(zip IN LISTS CPACK_PACKAGE_FILES)
    if(NOT zip MATCHES "\\.zip$")
        continue()
    endif()
    # The end record, with no comment, gives the entries' count and the central directory's offset.
    file(SIZE ${zip} size)
    math(EXPR end "${size} - 22")
    file(READ ${zip} record OFFSET ${end} LIMIT 22 HEX)
    if(NOT record MATCHES "^504b0506")
        message(FATAL_ERROR "${zip} does not end with a ZIP's end record")
    endif()
    zip_number("${record}" 10 2 entries)
    zip_number("${record}" 16 4 central)
    foreach(entry RANGE 1 ${entries})
        # Central header: name, extra and comment lengths at 28, 30 and 32, local header's offset
        # at 42; local header: name and extra lengths at 26 and 28.
        file(READ ${zip} header OFFSET ${central} LIMIT 46 HEX)
        zip_number("${header}" 28 2 name)
        zip_number("${header}" 30 2 extra)
        zip_number("${header}" 32 2 comment)
        zip_number("${header}" 42 4 local)
        math(EXPR at "${central} + 46 + ${name}")
        zip_clear_owners(${zip} ${at} ${extra})
        file(READ ${zip} header OFFSET ${local} LIMIT 30 HEX)
        zip_number("${header}" 26 2 local_name)
        zip_number("${header}" 28 2 local_extra)
        math(EXPR at "${local} + 30 + ${local_name}")
        zip_clear_owners(${zip} ${at} ${local_extra})
        math(EXPR central "${central} + 46 + ${name} + ${extra} + ${comment}")
    endforeach()
endforeach()
