list(APPEND QORIX_TEST_SOURCES wizards/contour/cutcircle_test.cpp
     wizards/contour/circularpocket_test.cpp wizards/contour/rectanglepocket_test.cpp
     wizards/contour/cutrectangle_test.cpp)
