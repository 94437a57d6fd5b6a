list(APPEND QORIX_TEST_SOURCES link/aboutbox_test.cpp)
