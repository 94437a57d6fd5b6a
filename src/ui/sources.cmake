set(QORIX_UI_SOURCES ui/control.cpp ui/controls.cpp ui/form.cpp ui/dialogs.cpp ui/event.cpp)
