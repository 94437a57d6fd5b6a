list(APPEND QORIX_TEST_SOURCES support/golden.cpp support/goldencases_test.cpp)
