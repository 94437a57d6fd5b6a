// The desktop program's run: the application, the main window over every page, and the
// event loop until the window closes.
#pragma once

#include <functional>

namespace qorix {

// argv[1], when given, is the install folder. whenShown runs once the window is on screen
// and the event loop is running (the start-up measurement ends the program there).
int runDesktop(int argc, char** argv, const std::function<void()>& whenShown = {});

}  // namespace qorix
