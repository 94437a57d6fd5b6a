list(APPEND QORIX_CORE_SOURCES ui/control.cpp ui/controls.cpp ui/form.cpp ui/dialogs.cpp ui/event.cpp)
