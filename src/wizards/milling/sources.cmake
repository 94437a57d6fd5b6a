set(QORIX_WIZARDS_MILLING_SOURCES
  wizards/milling/facepasses.cpp
  wizards/milling/facemilling.cpp
  wizards/milling/slotpath.cpp
  wizards/milling/slot.cpp)
