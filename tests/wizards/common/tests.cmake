list(APPEND QORIX_TEST_SOURCES wizards/common/numbertext_test.cpp wizards/common/decimal_test.cpp
     wizards/common/frame_test.cpp)
