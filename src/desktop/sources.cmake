# Everything with Qt: the binding, the windows, the dialogs' faces, the pictures, the run.
set(QORIX_QT_SOURCES desktop/binding.cpp desktop/formview.cpp desktop/jpeg.cpp
    desktop/mainwindow.cpp desktop/qtdialogs.cpp desktop/aboutwindow.cpp desktop/linebox.cpp
    desktop/lineboxedit.cpp desktop/findbar.cpp desktop/linesearch.cpp desktop/jobmenu.cpp
    desktop/tooltablewindow.cpp desktop/formparts.cpp)
# The toolpath preview beside every page.
list(APPEND QORIX_QT_SOURCES desktop/toolpathscene.cpp desktop/toolpathdraw.cpp
     desktop/toolpathlegend.cpp desktop/toolpathview.cpp desktop/previewpanel.cpp)
set(QORIX_DESKTOP_SOURCES desktop/desktop.cpp)
set(QORIX_DESKTOP_MAIN desktop/main.cpp)
