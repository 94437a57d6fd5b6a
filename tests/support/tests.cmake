# Golden files, temporary folders and child processes, for every test program.
set(QORIX_TEST_SUPPORT_SOURCES support/golden.cpp)
if(WIN32)
  list(APPEND QORIX_TEST_SUPPORT_SOURCES support/process_windows.cpp)
else()
  list(APPEND QORIX_TEST_SUPPORT_SOURCES support/process_posix.cpp)
endif()
list(APPEND QORIX_TEST_SOURCES ${QORIX_TEST_SUPPORT_SOURCES} support/goldencases_test.cpp)
