list(APPEND QORIX_TEST_SOURCES reliability/badinput_test.cpp reliability/outputguard_test.cpp
  reliability/fulldisk_test.cpp reliability/hostilecli_test.cpp)
