# Installation and the Debian package: the programs, the page pictures where the installed
# program finds them, the desktop entry with its icon, and the manual pages.
include(GNUInstallDirs)

install(FILES ${PROJECT_SOURCE_DIR}/packaging/qorix-wizards.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/qorix-wizards.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# Manual pages, compressed as Debian wants them.
find_program(GZIP_PROGRAM gzip REQUIRED)
foreach(page qorix-wizards.1 qorix-wizards-cli.1 qorix-standin.1)
  set(source ${PROJECT_SOURCE_DIR}/packaging/${page})
  if(EXISTS ${source})
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.gz
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
                       COMMAND ${GZIP_PROGRAM} -9 -n -c ${source} > ${PROJECT_BINARY_DIR}/man/${page}.gz
                       DEPENDS ${source} VERBATIM)
    list(APPEND QORIX_MAN_PAGES ${PROJECT_BINARY_DIR}/man/${page}.gz)
  endif()
endforeach()
add_custom_target(qorix-man-pages ALL DEPENDS ${QORIX_MAN_PAGES})
install(FILES ${QORIX_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_PACKAGE_NAME qorix-wizards)
set(CPACK_PACKAGE_VENDOR "QORIX varázslók")
set(CPACK_PACKAGE_CONTACT "QORIX varázslók fejlesztői <qorix-wizards@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Conversational G-code wizards for a three-axis mill")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, qt6-translations-l10n, libjpeg62-turbo, libc6, libstdc++6")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
