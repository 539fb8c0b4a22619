# The Windows packages: a zip to unpack anywhere and a 64-bit installer with
# a Chinese interface, a Start-menu shortcut, an uninstaller and an entry in
# Apps & features (the template beside this file).
configure_file(${CMAKE_CURRENT_LIST_DIR}/readme.txt.in readme.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt COPYONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/readme.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
        DESTINATION .)

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_NAME morvelin)
set(CPACK_PACKAGE_VENDOR "The Morvelin developers")
set(CPACK_PACKAGE_FILE_NAME morvelin-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Morvelin)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_MORVELIN_ICO ${MORVELIN_ICON_DIR}/morvelin.ico)
# CPack looks for NSIS.template.in here before its own.
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR})
include(CPack)
