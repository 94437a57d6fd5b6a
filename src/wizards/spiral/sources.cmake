set(QORIX_WIZARDS_SPIRAL_SOURCES wizards/spiral/spiralgeometry.cpp wizards/spiral/fibonacci.cpp wizards/spiral/fibonacciplain.cpp wizards/spiral/fibonacciparametric.cpp)
