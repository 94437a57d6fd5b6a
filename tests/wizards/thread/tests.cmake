list(APPEND QORIX_TEST_SOURCES
  wizards/thread/threadrepair_test.cpp
  wizards/thread/threadcheck_test.cpp)
