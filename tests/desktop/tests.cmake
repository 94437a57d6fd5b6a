# Qt tests of the desktop program on the offscreen platform, and the screenshot tool.
add_executable(qorix_qt_tests desktop/mainwindow_test.cpp desktop/modaldriver.cpp)
set_target_properties(qorix_qt_tests PROPERTIES AUTOMOC ON)
target_include_directories(qorix_qt_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_qt_tests PRIVATE qorix_qt Qt6::Test)
target_compile_definitions(qorix_qt_tests PRIVATE QORIX_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
add_test(NAME qt.mainwindow COMMAND qorix_qt_tests)
set_tests_properties(qt.mainwindow PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

add_executable(qorix_qt_contour_tests desktop/contourpages_test.cpp desktop/modaldriver.cpp)
set_target_properties(qorix_qt_contour_tests PROPERTIES AUTOMOC ON)
target_include_directories(qorix_qt_contour_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_qt_contour_tests PRIVATE qorix_qt Qt6::Test)
target_compile_definitions(qorix_qt_contour_tests PRIVATE
  QORIX_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
add_test(NAME qt.contourpages COMMAND qorix_qt_contour_tests)
set_tests_properties(qt.contourpages PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

add_executable(qorix-screenshots desktop/screenshots.cpp)
target_link_libraries(qorix-screenshots PRIVATE qorix_qt)
set_target_properties(qorix-screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

add_executable(qorix-preview-shots desktop/previewshots.cpp)
target_link_libraries(qorix-preview-shots PRIVATE qorix_qt)
set_target_properties(qorix-preview-shots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

add_executable(qorix_qt_dialog_tests desktop/dialogwindows_test.cpp)
set_target_properties(qorix_qt_dialog_tests PROPERTIES AUTOMOC ON)
target_include_directories(qorix_qt_dialog_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_qt_dialog_tests PRIVATE qorix_qt Qt6::Test)
add_test(NAME qt.dialogwindows COMMAND qorix_qt_dialog_tests)
set_tests_properties(qt.dialogwindows PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

add_executable(qorix_qt_machinist_tests desktop/machinist_test.cpp desktop/modaldriver.cpp)
set_target_properties(qorix_qt_machinist_tests PROPERTIES AUTOMOC ON)
target_include_directories(qorix_qt_machinist_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_qt_machinist_tests PRIVATE qorix_qt Qt6::Test)
target_compile_definitions(qorix_qt_machinist_tests PRIVATE
  QORIX_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
add_test(NAME qt.machinist COMMAND qorix_qt_machinist_tests)
set_tests_properties(qt.machinist PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

add_executable(qorix_qt_outputbox_tests desktop/outputbox_test.cpp desktop/modaldriver.cpp)
set_target_properties(qorix_qt_outputbox_tests PROPERTIES AUTOMOC ON)
target_include_directories(qorix_qt_outputbox_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_qt_outputbox_tests PRIVATE qorix_qt Qt6::Test)
add_test(NAME qt.outputbox COMMAND qorix_qt_outputbox_tests)
set_tests_properties(qt.outputbox PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)

# The regional settings read without Qt, compared with Qt's own reading.
add_executable(qorix_regional_tests desktop/regional_test.cpp)
target_link_libraries(qorix_regional_tests PRIVATE qorix_platform Qt6::Core GTest::gtest_main)
gtest_discover_tests(qorix_regional_tests DISCOVERY_TIMEOUT 60)

add_executable(qorix_qt_preview_tests desktop/preview_test.cpp desktop/modaldriver.cpp)
set_target_properties(qorix_qt_preview_tests PROPERTIES AUTOMOC ON)
target_include_directories(qorix_qt_preview_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_qt_preview_tests PRIVATE qorix_qt Qt6::Test)
target_compile_definitions(qorix_qt_preview_tests PRIVATE
  QORIX_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
add_test(NAME qt.preview COMMAND qorix_qt_preview_tests)
set_tests_properties(qt.preview PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" TIMEOUT 120)
