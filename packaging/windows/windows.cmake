# numconst.exe's icon, manifest and version information, the DLLs it delay-loads, and what the
# installer and the ZIP hold: the exe with a short readme, the licences of the code linked into
# it, and numconst's own source for relinking.
cmake_minimum_required(VERSION 3.19) # CPACK_PRE_BUILD_SCRIPTS and CPACK_POST_BUILD_SCRIPTS

# The icon, as resource IDI_ICON1 beside the version information: Windows shows it for the file
# and the Start-menu entry, and Qt takes it for the window and the taskbar. Windows picks the size
# nearest to what the display's scale asks for, from 16 pixels at 100 % to 40 at 250 %, and 64 and
# 256 for large icons.
find_program(NUMCONST_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(NUMCONST_IMAGEMAGICK convert REQUIRED)
set(ico ${CMAKE_CURRENT_BINARY_DIR}/numconst.ico)
set(pngs "")
foreach(size 16 20 24 32 40 48 64 256)
    add_custom_command(OUTPUT icon-${size}.png
        COMMAND ${NUMCONST_RSVG_CONVERT} -w ${size} -h ${size} -o icon-${size}.png
            ${CMAKE_CURRENT_SOURCE_DIR}/numconst.svg
        DEPENDS numconst.svg)
    list(APPEND pngs icon-${size}.png)
endforeach()
add_custom_command(OUTPUT ${ico} COMMAND ${NUMCONST_IMAGEMAGICK} ${pngs} ${ico} DEPENDS ${pngs})
add_custom_target(numconst_icon DEPENDS ${ico})
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE NUMCONST_COPYRIGHT REGEX "^Copyright ")
set(manifest ${CMAKE_CURRENT_SOURCE_DIR}/windows/numconst.manifest)
set(rc ${CMAKE_CURRENT_BINARY_DIR}/numconst.rc)
configure_file(windows/numconst.rc.in ${rc} @ONLY)
set_source_files_properties(${rc} DIRECTORY ${PROJECT_SOURCE_DIR}/app
    PROPERTIES OBJECT_DEPENDS "${ico};${manifest}")
target_sources(numconst PRIVATE ${rc})
add_dependencies(numconst numconst_icon)

# Windows looks for a DLL that is not among its KnownDLLs in the exe's own folder first, where
# someone else may have put one of the same name. numconst.exe therefore delay-loads those that
# it needs, and its entry point (app/windows_entry.cpp) first makes Windows look for every DLL
# loaded by name in its system folder only. Their delay-load import libraries, made from
# MinGW-w64's usual ones, come first and whole on the link line, so that they, not the usual ones,
# provide those DLLs' functions.
set(NUMCONST_DELAY_LOADED dwmapi netapi32 userenv uxtheme version winmm wtsapi32)
# ld orders some sections by their input files' names, so these reach it by a path relative to
# the folder it links in, as the build's own objects do, and the same for each generator: delay/
# in that folder, the target's own for Makefiles, the build's top for Ninja. Elsewhere they go by
# their whole path, and the exe then depends on where the build is.
if(CMAKE_GENERATOR MATCHES "Ninja")
    set(linked_in ${CMAKE_BINARY_DIR})
elseif(CMAKE_GENERATOR MATCHES "Makefiles")
    get_target_property(linked_in numconst BINARY_DIR)
else()
    set(linked_in ${CMAKE_CURRENT_BINARY_DIR})
    set(whole_paths ON)
endif()
foreach(dll IN LISTS NUMCONST_DELAY_LOADED)
    find_library(NUMCONST_IMPORT_${dll} lib${dll}.a REQUIRED)
    execute_process(COMMAND ${CMAKE_NM} ${NUMCONST_IMPORT_${dll}} OUTPUT_VARIABLE symbols)
    string(REGEX MATCHALL " I __imp_[^\n]+" functions "${symbols}")
    list(TRANSFORM functions REPLACE " I __imp_" "")
    list(REMOVE_DUPLICATES functions)
    string(REPLACE ";" "\n" functions "${functions}")
    set(delay ${linked_in}/delay/lib${dll}.a)
    file(WRITE ${delay}.def "LIBRARY ${dll}.dll\nEXPORTS\n${functions}\n")
    # dlltool leaves its temporary files behind: in a folder of the build's own, removed below.
    # It names the library's members and symbols after the library's path as it is given: a
    # relative one, so that the exe is the same bytes in whatever folder it is built.
    file(MAKE_DIRECTORY ${linked_in}/delay/tmp)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env TMPDIR=${linked_in}/delay/tmp
        ${CMAKE_DLLTOOL} --input-def ../lib${dll}.a.def --output-delaylib ../lib${dll}.a
        WORKING_DIRECTORY ${linked_in}/delay/tmp RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "dlltool made no delay-load library for ${dll}.dll: ${failed}")
    endif()
    list(APPEND delay_libraries ${delay})
    if(NOT whole_paths)
        file(RELATIVE_PATH delay ${linked_in} ${delay})
    endif()
    list(APPEND delay_links ${delay})
endforeach()
file(REMOVE_RECURSE ${linked_in}/delay/tmp)
set_property(TARGET numconst APPEND PROPERTY LINK_DEPENDS ${delay_libraries})
list(JOIN delay_links " " delay_links)
target_link_options(numconst PRIVATE
    "SHELL:-Wl,--whole-archive ${delay_links} -Wl,--no-whole-archive")
target_sources(numconst PRIVATE ${PROJECT_SOURCE_DIR}/app/windows_entry.cpp)
target_link_options(numconst PRIVATE -Wl,--entry=numconstStartup)

# By default those kept beside the Qt found, which scripts/windows builds: derived each time, so
# that they follow when another Qt is found.
set(NUMCONST_QT_LICENSES "" CACHE PATH
    "Qt's licences and where its source is, for a Qt linked statically")
if(NOT NUMCONST_QT_LICENSES)
    set(NUMCONST_QT_LICENSES "${Qt5_DIR}/../../../licenses")
endif()
if(NOT EXISTS ${NUMCONST_QT_LICENSES}/SOURCE)
    message(FATAL_ERROR "numconst.exe carries Qt, so it must be given with Qt's licences: "
        "NUMCONST_QT_LICENSES (${NUMCONST_QT_LICENSES}) has no SOURCE file.")
endif()
# MinGW-w64's runtime and its winpthreads are linked in too, and their licences ask for their
# notices to go with the program; Debian keeps them all in one file. (libgcc and libstdc++ come
# under GCC's runtime exception, which asks for none.)
set(NUMCONST_MINGW_NOTICES /usr/share/doc/mingw-w64-x86-64-dev/copyright CACHE FILEPATH
    "The licence notices of the MinGW-w64 runtime and winpthreads")
if(NOT EXISTS ${NUMCONST_MINGW_NOTICES})
    message(FATAL_ERROR "numconst.exe carries MinGW-w64's runtime and winpthreads, so it must be "
        "given with their notices: NUMCONST_MINGW_NOTICES (${NUMCONST_MINGW_NOTICES}) is missing.")
endif()
file(STRINGS ${NUMCONST_QT_LICENSES}/SOURCE qt_source)
list(GET qt_source 0 NUMCONST_QT_SOURCE)
list(GET qt_source 1 NUMCONST_QT_OPTIONS)
if(NUMCONST_HOMEPAGE)
    set(NUMCONST_RELEASES_AT
        "numconst's releases, with that source, are at\n    ${NUMCONST_HOMEPAGE}\n")
endif()
file(READ ${PROJECT_SOURCE_DIR}/LICENSE NUMCONST_LICENSE)

# Windows' text files end their lines with CR LF: Notepad before Windows 10 1809 shows a text
# whose lines end with LF alone as one line.
function(numconst_windows_text source destination)
    file(READ ${source} text)
    string(REGEX REPLACE "\r?\n" "\r\n" text "${text}")
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${destination} "${text}")
endfunction()
foreach(text README.txt LICENSE.txt)
    configure_file(windows/${text}.in ${text}.in @ONLY)
    numconst_windows_text(${CMAKE_CURRENT_BINARY_DIR}/${text}.in ${text})
endforeach()
# The folder holds what this configure writes and nothing that an earlier one did.
file(REMOVE_RECURSE ${CMAKE_CURRENT_BINARY_DIR}/licenses)
file(GLOB_RECURSE qt_licenses RELATIVE ${NUMCONST_QT_LICENSES} ${NUMCONST_QT_LICENSES}/*)
foreach(text IN LISTS qt_licenses)
    numconst_windows_text(${NUMCONST_QT_LICENSES}/${text} licenses/Qt/${text})
endforeach()
numconst_windows_text(${NUMCONST_MINGW_NOTICES} licenses/MinGW-w64/copyright.txt)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
    DESTINATION .)
install(DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/licenses DESTINATION .)
# numconst's own source: the files that git tracks (see source.cmake).
install(CODE "set(NUMCONST_SOURCE_DIR [[${PROJECT_SOURCE_DIR}]])
    set(NUMCONST_BINARY_DIR [[${PROJECT_BINARY_DIR}]])")
install(SCRIPT windows/source.cmake)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/windows/uninstall.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/windows/zipowners.cmake)
# numconst.exe is stripped when it is linked; stripping it again would stamp it with a new time.
set(CPACK_STRIP_FILES OFF)
# The installer comes from NSIS.template.in beside this file.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR}/windows)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_NSIS_MUI_ICON ${ico})
set(CPACK_NSIS_MUI_UNIICON ${ico})
set(CPACK_NUMCONST_COPYRIGHT "${NUMCONST_COPYRIGHT}")
