# Golden files, temporary folders and child processes, for every test program: built once.
set(QORIX_TEST_SUPPORT_SOURCES support/golden.cpp)
if(WIN32)
  list(APPEND QORIX_TEST_SUPPORT_SOURCES support/process_windows.cpp)
else()
  list(APPEND QORIX_TEST_SUPPORT_SOURCES support/process_posix.cpp)
endif()
add_library(qorix_testsupport STATIC ${QORIX_TEST_SUPPORT_SOURCES})
target_include_directories(qorix_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR} ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(qorix_testsupport PUBLIC qorix_platform GTest::gtest)
target_compile_definitions(qorix_testsupport PRIVATE
  QORIX_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
list(APPEND QORIX_TEST_SOURCES support/goldencases_test.cpp)
