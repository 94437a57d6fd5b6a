# Qt tests of the desktop program on the offscreen platform, and the screenshot tools.

# What every Qt test program shares: the driver of modal dialogs and, compiled once, the Qt
# headers the test files read (they are most of each test file's compile time).
add_library(qorix_qt_testsupport STATIC desktop/modaldriver.cpp)
target_include_directories(qorix_qt_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(qorix_qt_testsupport PUBLIC qorix_qt Qt6::Test)
target_precompile_headers(qorix_qt_testsupport PRIVATE <QtTest> <QApplication> <QCheckBox>
                          <QComboBox> <QLabel> <QLineEdit> <QPushButton> <QScrollBar> <string>
                          <vector>)

# Every Qt test program, built by one target: the Windows stage builds that, so that a new
# test program cannot be left out of its list.
add_custom_target(qorix-qt-tests)

# qorix_qt_test(TARGET NAME SOURCE): the program TARGET of SOURCE, run by ctest as qt.NAME.
function(qorix_qt_test target name source)
  add_executable(${target} ${source})
  add_dependencies(qorix-qt-tests ${target})
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  target_link_libraries(${target} PRIVATE qorix_qt_testsupport)
  target_compile_definitions(${target} PRIVATE
    QORIX_GOLDEN_DIR="${CMAKE_CURRENT_SOURCE_DIR}/golden")
  target_precompile_headers(${target} REUSE_FROM qorix_qt_testsupport)
  # under Wine QtTest's lines reach no pipe: each program also writes them to qt.NAME.txt
  set(log)
  if(WIN32)
    set(log -o qt.${name}.txt,txt -o -,txt)
  endif()
  add_test(NAME qt.${name} COMMAND ${target} ${log})
  set_tests_properties(qt.${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
                                             TIMEOUT 120)
endfunction()

qorix_qt_test(qorix_qt_tests mainwindow desktop/mainwindow_test.cpp)
qorix_qt_test(qorix_qt_contour_tests contourpages desktop/contourpages_test.cpp)
qorix_qt_test(qorix_qt_dialog_tests dialogwindows desktop/dialogwindows_test.cpp)
qorix_qt_test(qorix_qt_machinist_tests machinist desktop/machinist_test.cpp)
qorix_qt_test(qorix_qt_outputbox_tests outputbox desktop/outputbox_test.cpp)
qorix_qt_test(qorix_qt_preview_tests preview desktop/preview_test.cpp)
qorix_qt_test(qorix_qt_job_tests jobmenu desktop/jobmenu_test.cpp)

# Qt's Hungarian texts beside the test programs and the screenshot tools, where the Windows
# package puts them beside the program (Qt's own folder on Windows holds none).
if(WIN32)
  file(COPY ${QORIX_QT_HUNGARIAN} DESTINATION ${CMAKE_CURRENT_BINARY_DIR}/translations)
  file(COPY ${QORIX_QT_HUNGARIAN} DESTINATION ${PROJECT_BINARY_DIR}/translations)
endif()

add_executable(qorix-screenshots desktop/screenshots.cpp)
target_link_libraries(qorix-screenshots PRIVATE qorix_qt)
set_target_properties(qorix-screenshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

add_executable(qorix-preview-shots desktop/previewshots.cpp)
target_link_libraries(qorix-preview-shots PRIVATE qorix_qt)
set_target_properties(qorix-preview-shots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})

# The regional settings read without Qt, compared with Qt's own reading.
add_executable(qorix_regional_tests desktop/regional_test.cpp)
target_link_libraries(qorix_regional_tests PRIVATE qorix_platform Qt6::Core GTest::gtest_main)
gtest_discover_tests(qorix_regional_tests DISCOVERY_TIMEOUT 60)
