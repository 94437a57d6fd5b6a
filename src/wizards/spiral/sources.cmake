list(APPEND QORIX_CORE_SOURCES wizards/spiral/spiralgeometry.cpp wizards/spiral/fibonacci.cpp wizards/spiral/fibonacciplain.cpp wizards/spiral/fibonacciparametric.cpp)
