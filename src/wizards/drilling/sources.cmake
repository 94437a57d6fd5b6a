set(QORIX_WIZARDS_DRILLING_SOURCES
    wizards/drilling/boltcircle.cpp
    wizards/drilling/holeselection.cpp
    wizards/drilling/holeselector.cpp
    wizards/drilling/rectanglechoice.cpp
    wizards/drilling/rectanglepattern.cpp
    wizards/drilling/rectangleholes.cpp
    wizards/drilling/retractplane.cpp)
