set(QORIX_WIZARDS_CONTOUR_SOURCES
  wizards/contour/cutcircle.cpp
  wizards/contour/circularpocket.cpp
  wizards/contour/rectangle.cpp
  wizards/contour/rectanglepocket.cpp
  wizards/contour/cutrectangle.cpp)
