# numconst.exe's icon, and what the installer and the ZIP hold: the exe with its licence, a short
# readme, the licences of the Qt linked into it, and numconst's own source for relinking.
cmake_minimum_required(VERSION 3.18) # set_source_files_properties(DIRECTORY)

# The icon at 16, 32, 48 and 256 pixels, as resource IDI_ICON1 beside the version information:
# Windows shows it for the file and the Start-menu entry, and Qt takes it for the window and the
# taskbar.
find_program(NUMCONST_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(NUMCONST_IMAGEMAGICK convert REQUIRED)
set(ico ${CMAKE_CURRENT_BINARY_DIR}/numconst.ico)
set(pngs "")
foreach(size 16 32 48 256)
    add_custom_command(OUTPUT icon-${size}.png
        COMMAND ${NUMCONST_RSVG_CONVERT} -w ${size} -h ${size} -o icon-${size}.png
            ${CMAKE_CURRENT_SOURCE_DIR}/numconst.svg
        DEPENDS numconst.svg)
    list(APPEND pngs icon-${size}.png)
endforeach()
add_custom_command(OUTPUT ${ico} COMMAND ${NUMCONST_IMAGEMAGICK} ${pngs} ${ico} DEPENDS ${pngs})
add_custom_target(numconst_icon DEPENDS ${ico})
set(rc ${CMAKE_CURRENT_BINARY_DIR}/numconst.rc)
configure_file(windows/numconst.rc.in ${rc} @ONLY)
set_source_files_properties(${rc} DIRECTORY ${PROJECT_SOURCE_DIR}/app
    PROPERTIES OBJECT_DEPENDS ${ico})
target_sources(numconst PRIVATE ${rc})
add_dependencies(numconst numconst_icon)

# Kept beside the Qt that scripts/windows builds.
set(NUMCONST_QT_LICENSES "${Qt5_DIR}/../../../licenses" CACHE PATH
    "Qt's licences and where its source is, for a Qt linked statically")
if(NOT EXISTS ${NUMCONST_QT_LICENSES}/SOURCE)
    message(FATAL_ERROR "numconst.exe carries Qt, so it must be given with Qt's licences: "
        "NUMCONST_QT_LICENSES (${NUMCONST_QT_LICENSES}) has no SOURCE file.")
endif()
file(STRINGS ${NUMCONST_QT_LICENSES}/SOURCE qt_source)
list(GET qt_source 0 NUMCONST_QT_SOURCE)
list(GET qt_source 1 NUMCONST_QT_OPTIONS)
configure_file(windows/README.txt.in README.txt @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt COPYONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
    DESTINATION .)
install(DIRECTORY ${NUMCONST_QT_LICENSES}/ DESTINATION licenses/Qt)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/ DESTINATION source
    REGEX "^${PROJECT_SOURCE_DIR}/(build|\\.git)$" EXCLUDE)

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_SYSTEM_NAME win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY numconst)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY numconst)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_PACKAGE_EXECUTABLES numconst numconst)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME numconst.exe)
set(CPACK_NSIS_MUI_ICON ${ico})
set(CPACK_NSIS_MUI_UNIICON ${ico})
set(CPACK_NSIS_DISPLAY_NAME numconst)
set(CPACK_NSIS_PACKAGE_NAME numconst)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A 64-bit installer, from the amd64 stubs that Debian's nsis ships. Administrators are asked to
# install for all users; everybody else installs for themselves.
set(CPACK_NSIS_DEFINES "Target amd64-unicode\nRequestExecutionLevel highest")
