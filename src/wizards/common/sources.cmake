set(QORIX_WIZARDS_COMMON_SOURCES wizards/common/numbertext.cpp wizards/common/decimal.cpp wizards/common/fields.cpp wizards/common/frame.cpp wizards/common/gcode.cpp wizards/common/gcodewriter.cpp wizards/common/pagefacts.cpp wizards/common/page.cpp wizards/common/commoncontrols.cpp wizards/common/finitelines.cpp
     wizards/common/threadvalues.cpp)
