list(APPEND QORIX_TEST_SOURCES
  link/aboutbox_test.cpp
  link/exchange_test.cpp
  link/exchangefiles_test.cpp
  link/positioncapture_test.cpp
  link/textfile_test.cpp)
