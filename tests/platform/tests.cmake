list(APPEND QORIX_TEST_SOURCES platform/numberread_test.cpp platform/cp1250_test.cpp
     platform/regional_test.cpp platform/files_test.cpp)
