list(APPEND QORIX_CORE_SOURCES
  wizards/thread/threadcheck.cpp
  wizards/thread/threadrepair.cpp)
