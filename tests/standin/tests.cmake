# The stand-in runs as a real process; every test is bounded in time.
add_executable(qorix_standin_tests standin/standin_test.cpp)
target_include_directories(qorix_standin_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_standin_tests PRIVATE qorix_testsupport qorix_standin qorix_core GTest::gtest_main)
target_compile_definitions(qorix_standin_tests PRIVATE
  QORIX_STANDIN_PATH="$<TARGET_FILE:qorix-standin>" QORIX_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
add_dependencies(qorix_standin_tests qorix-standin)
qorix_test_headers(qorix_standin_tests)
qorix_gtest(qorix_standin_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 30)

# The busy peer: a thousand sends through the main window and two hundred position reads
# against the stand-in, with real waits; well under a minute even under the sanitizers.
add_executable(qorix_busypeer_tests standin/busypeer_test.cpp)
target_include_directories(qorix_busypeer_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_busypeer_tests PRIVATE qorix_testsupport qorix_app qorix_core GTest::gtest_main)
target_compile_definitions(qorix_busypeer_tests PRIVATE
  QORIX_STANDIN_PATH="$<TARGET_FILE:qorix-standin>" QORIX_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
add_dependencies(qorix_busypeer_tests qorix-standin)
qorix_test_headers(qorix_busypeer_tests)
qorix_gtest(qorix_busypeer_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
