set(QORIX_WIZARDS_DRILLING_SOURCES wizards/drilling/boltcircle.cpp wizards/drilling/holeselector.cpp)
