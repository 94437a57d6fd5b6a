list(APPEND QORIX_CORE_SOURCES link/textfile.cpp)
