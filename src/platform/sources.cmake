# What differs between Linux and Windows, each behind one small function; the rest of the
# code calls these and nothing of the system's own.
set(QORIX_PLATFORM_SOURCES platform/numberread.cpp platform/cp1250.cpp
    platform/regional_names.cpp)
if(WIN32)
  list(APPEND QORIX_PLATFORM_SOURCES platform/files_windows.cpp platform/regional_windows.cpp
       platform/arguments_windows.cpp platform/wide_windows.cpp platform/memory_windows.cpp)
else()
  list(APPEND QORIX_PLATFORM_SOURCES platform/files_posix.cpp platform/regional_posix.cpp
       platform/arguments_posix.cpp platform/memory_posix.cpp)
endif()
