# Qt tests and tools of the desktop program (offscreen platform).
add_executable(qorix-screenshots qt/screenshots.cpp)
target_link_libraries(qorix-screenshots PRIVATE qorix_qt)
set_target_properties(qorix-screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
