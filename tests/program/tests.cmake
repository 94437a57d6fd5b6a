list(APPEND QORIX_TEST_SOURCES program/readsupport.cpp program/reader_test.cpp
     program/goldenread_test.cpp program/spiralforms_test.cpp program/faults_test.cpp
     program/svg_test.cpp program/hostile_test.cpp program/millingsound_test.cpp program/holessound_test.cpp)
