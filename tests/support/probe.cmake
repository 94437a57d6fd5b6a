# The wizard probe: drives any page of the registry with arbitrary texts and judges each
# press. The bad-input tables link it, and so do the fuzz targets (whose build leaves the
# test suite out), so it is defined from the top.
add_library(qorix_probe STATIC ${PROJECT_SOURCE_DIR}/tests/support/wizardprobe.cpp)
target_include_directories(qorix_probe PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(qorix_probe PUBLIC qorix_cli)
