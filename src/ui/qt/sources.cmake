# The Qt binding and the faces of the windows.
set(QORIX_QT_SOURCES ui/qt/binding.cpp ui/qt/formview.cpp ui/qt/jpeg.cpp ui/qt/layouthints.cpp
    ui/qt/mainwindow.cpp ui/qt/qtdialogs.cpp ui/qt/aboutwindow.cpp)
