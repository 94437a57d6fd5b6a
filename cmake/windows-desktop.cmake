# The desktop program for Windows, cross-built with MinGW-w64 against the Qt and libjpeg that
# tools/windows-qt.sh makes (-DQORIX_WINDOWS_PREFIX=FOLDER). Included before the sources.

# One C++ run-time for the program and Qt: Qt's DLLs use libstdc++-6.dll, so every program of
# this build does too, instead of carrying a copy of its own (two copies keep two heaps and
# two sets of exception tables, and a string or an exception that passes from one to the other
# breaks). The Qt-free build keeps its programs whole.
string(REGEX REPLACE "-static(-libgcc|-libstdc\\+\\+)?" "" CMAKE_EXE_LINKER_FLAGS
                     "${CMAKE_EXE_LINKER_FLAGS}")

# The run-time DLLs that the compiler ships, which go beside the programs.
set(QORIX_MINGW_RUNTIME)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
    message(FATAL_ERROR "The compiler's ${dll} was not found")
  endif()
  file(REAL_PATH "${path}" path)
  list(APPEND QORIX_MINGW_RUNTIME ${path})
endforeach()

get_target_property(QORIX_QT_CORE_DLL Qt6::Core IMPORTED_LOCATION_RELEASE)
get_filename_component(QORIX_QT_BIN "${QORIX_QT_CORE_DLL}" DIRECTORY)
get_filename_component(QORIX_QT_PREFIX "${QORIX_QT_BIN}/.." ABSOLUTE)

# Qt's Hungarian texts, which the program loads from translations\ beside itself.
find_file(QORIX_QT_HUNGARIAN qtbase_hu.qm PATHS /usr/share/qt6/translations NO_DEFAULT_PATH
          NO_CMAKE_FIND_ROOT_PATH)
if(NOT QORIX_QT_HUNGARIAN)
  message(FATAL_ERROR "qtbase_hu.qm not found: install qt6-translations-l10n")
endif()

# The tests run under Wine and find the DLLs through WINEPATH (Wine's drive Z: is /): Qt's
# own folder, where Qt also finds its plugins, and the compiler's.
set(QORIX_WINEPATH "Z:${QORIX_QT_BIN}")
foreach(dll ${QORIX_MINGW_RUNTIME})
  get_filename_component(folder "${dll}" DIRECTORY)
  string(APPEND QORIX_WINEPATH ";Z:${folder}")
endforeach()
if(QORIX_WINE)
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/wine-run
       CONTENT "#!/bin/sh\nWINEPATH='${QORIX_WINEPATH}' exec '${QORIX_WINE}' \"$@\"\n")
  file(CHMOD ${PROJECT_BINARY_DIR}/wine-run PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
       GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
endif()
