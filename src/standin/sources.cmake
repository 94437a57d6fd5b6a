# A stand-in for QORIX, to try the wizards without a machine.
set(QORIX_STANDIN_SOURCES standin/standin.cpp)
set(QORIX_STANDIN_MAIN standin/standin_main.cpp)
