list(APPEND QORIX_TEST_SOURCES wizards/spiral/fibonacci_test.cpp)
