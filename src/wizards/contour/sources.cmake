list(APPEND QORIX_CORE_SOURCES wizards/contour/cutcircle.cpp)
