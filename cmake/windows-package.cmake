# The Windows package: a folder laid out as Windows programs are (the programs with the DLLs
# they load beside them, Qt's plugins in platforms\ and styles\, Qt's Hungarian texts in
# translations\, the page pictures in assets\), a zip of it, and an installer made with NSIS.
#   cmake --build BUILD --target windows-package
# Its own install component, so that the Linux layout (bin\, share\) stays out of it.

# A program for the window system: no console window opens beside it.
set_target_properties(qorix-wizards PROPERTIES WIN32_EXECUTABLE ON)

set(component COMPONENT windows EXCLUDE_FROM_ALL)
install(TARGETS qorix-wizards qorix-wizards-cli qorix-standin RUNTIME DESTINATION . ${component})
install(FILES ${QORIX_MINGW_RUNTIME} DESTINATION . ${component})
foreach(module Core Gui Widgets)
  install(FILES ${QORIX_QT_BIN}/Qt6${module}.dll DESTINATION . ${component})
endforeach()
install(FILES ${QORIX_QT_PREFIX}/plugins/platforms/qwindows.dll DESTINATION platforms ${component})
install(FILES ${QORIX_QT_PREFIX}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles
        ${component})
install(FILES ${QORIX_QT_HUNGARIAN} DESTINATION translations ${component})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/assets/ DESTINATION assets ${component}
        FILES_MATCHING PATTERN "*.jpg")

set(QORIX_PACKAGE_NAME qorix-wizards-${PROJECT_VERSION}-windows-x64)
set(QORIX_PACKAGE_DIR ${PROJECT_BINARY_DIR}/package/${QORIX_PACKAGE_NAME})
find_program(QORIX_MAKENSIS makensis)
add_custom_target(
  windows-package
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${PROJECT_BINARY_DIR}/package
  COMMAND ${CMAKE_COMMAND} --install ${PROJECT_BINARY_DIR} --component windows --prefix
          ${QORIX_PACKAGE_DIR}
  COMMAND ${CMAKE_COMMAND} -DSTRIP=${CMAKE_STRIP} -DDIR=${QORIX_PACKAGE_DIR} -P
          ${PROJECT_SOURCE_DIR}/cmake/windows-strip.cmake
  COMMAND ${CMAKE_COMMAND} -E chdir ${PROJECT_BINARY_DIR}/package ${CMAKE_COMMAND} -E tar cf
          ${QORIX_PACKAGE_NAME}.zip --format=zip ${QORIX_PACKAGE_NAME}
  COMMAND ${QORIX_MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION}
          -DSOURCE=${QORIX_PACKAGE_DIR}
          -DOUTFILE=${PROJECT_BINARY_DIR}/package/qorix-wizards-${PROJECT_VERSION}-setup.exe
          ${PROJECT_SOURCE_DIR}/packaging/windows/installer.nsi
  VERBATIM)
add_dependencies(windows-package qorix-wizards qorix-wizards-cli qorix-standin)
