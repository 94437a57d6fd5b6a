set(QORIX_WIZARDS_THREAD_SOURCES
  wizards/thread/threadcheck.cpp
  wizards/thread/threadrepair.cpp
  wizards/thread/threadvalues.cpp)
