list(APPEND QORIX_TEST_SOURCES wizards/contour/cutcircle_test.cpp)
