list(APPEND QORIX_TEST_SOURCES wizards/drilling/boltcircle_test.cpp
     wizards/drilling/holeselector_test.cpp wizards/drilling/rectangleselector_test.cpp)
