# The Windows packages: a zip to unpack anywhere and a 64-bit installer with
# a Chinese interface, a Start-menu shortcut, an uninstaller and an entry in
# Apps & features (the template beside this file).
configure_file(${CMAKE_CURRENT_LIST_DIR}/readme.txt.in readme.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt COPYONLY)
# The installer's licence page: a Chinese summary above the MIT text, UTF-8
# with a byte-order mark so that NSIS reads it as Unicode.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE MORVELIN_LICENCE_TEXT)
configure_file(${CMAKE_CURRENT_LIST_DIR}/licence-page.txt.in licence-page.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/readme.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
        DESTINATION .)
# The licences and notices of everything linked into the .exe: Qt (LGPLv3,
# which builds on the GPLv3) and the libraries it bundles (PCRE2, HarfBuzz,
# libpng, zlib, ...) as Debian records them for the very qt6-base source the
# Windows Qt is built from; the MinGW-w64 runtime (winpthreads) and GCC's
# runtime libraries (libstdc++, libgcc).
set(licences
    /usr/share/common-licenses/LGPL-3 Qt-LGPL-3.txt
    /usr/share/common-licenses/GPL-3 GPL-3.txt
    /usr/share/doc/qt6-base-dev/copyright Qt-and-bundled-libraries.txt
    /usr/share/doc/mingw-w64-common/copyright MinGW-w64-runtime.txt
    /usr/share/doc/gcc-mingw-w64-base/copyright GCC-runtime-libraries.txt)
while(licences)
    list(POP_FRONT licences source name)
    if(NOT EXISTS ${source})
        message(FATAL_ERROR "No ${source}: the Windows packages need it (scripts/deps.sh windows)")
    endif()
    configure_file(${source} licenses/${name} COPYONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/licenses/${name} DESTINATION licenses)
endwhile()

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_NAME morvelin)
set(CPACK_PACKAGE_VENDOR "The Morvelin developers")
set(CPACK_PACKAGE_FILE_NAME morvelin-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Morvelin)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/licence-page.txt)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_MORVELIN_ICO ${MORVELIN_ICON_DIR}/morvelin.ico)
# CPack looks for NSIS.template.in here before its own.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
include(CPack)
