list(APPEND QORIX_TEST_SOURCES app/cli_test.cpp)
