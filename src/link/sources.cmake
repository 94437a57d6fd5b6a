set(QORIX_LINK_SOURCES
  link/aboutbox.cpp
  link/exchange.cpp
  link/installpaths.cpp
  link/sleeper.cpp
  link/textfile.cpp
  link/positioncapture.cpp)
