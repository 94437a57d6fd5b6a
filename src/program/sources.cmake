# The program reader: no Qt, no pages; only the number text of wizards/common.
list(APPEND QORIX_PROGRAM_SOURCES program/linescan.cpp program/messages.cpp program/motion.cpp
     program/interpreter.cpp program/checks.cpp program/measures.cpp program/reader.cpp
     program/report.cpp program/svg.cpp)
