list(APPEND QORIX_CORE_SOURCES wizards/drilling/boltcircle.cpp wizards/drilling/holeselector.cpp)
