# The main window's logic (no Qt).
set(QORIX_APP_SOURCES app/form1.cpp app/mainpages.cpp app/placeholder.cpp)
