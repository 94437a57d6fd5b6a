# The main window's logic, the wizard table, what a page tells the preview of its program,
# program files read whole, and the command line (no Qt).
set(QORIX_APP_SOURCES app/mainwindowlogic.cpp app/wizardtable.cpp
    app/wizardregistry.cpp app/holeselectorwizard.cpp app/jobfile.cpp app/pagejobs.cpp
    app/previewfacts.cpp app/programfile.cpp app/tooltable.cpp app/toolchoice.cpp
    app/tooleditor.cpp app/versionedtext.cpp)
set(QORIX_CLI_SOURCES app/cli.cpp app/clilink.cpp app/inspect.cpp)
set(QORIX_ABOUT_SOURCES app/about.cpp)
set(QORIX_CLI_MAIN app/cli_main.cpp)
