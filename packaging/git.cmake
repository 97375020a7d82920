# Included by the packing scripts: runs git in numconst's checkout, as a packaged file depends on
# what git says, and stops packing, in git's own words, where it cannot.
function(numconst_git source_dir output)
    find_program(NUMCONST_GIT git)
    if(NOT NUMCONST_GIT)
        message(FATAL_ERROR "${source_dir} is a git checkout, and the packages are made from "
            "what git says of it, but git is not installed: install it and pack again.")
    endif()
    execute_process(COMMAND ${NUMCONST_GIT} -C ${source_dir} ${ARGN} OUTPUT_VARIABLE out
        ERROR_VARIABLE error RESULT_VARIABLE failed)
    if(failed)
        list(JOIN ARGN " " command)
        message(FATAL_ERROR "git ${command} failed in ${source_dir} (${failed}):\n${error}")
    endif()
    set(${output} "${out}" PARENT_SCOPE)
endfunction()
