list(APPEND QORIX_TEST_SOURCES ui/controls_test.cpp)
