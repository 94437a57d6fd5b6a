list(APPEND QORIX_TEST_SOURCES app/cli_test.cpp app/clilink_test.cpp
     app/boltcirclecli_test.cpp app/mainwindowlogic_test.cpp
     app/about_test.cpp app/pictures_test.cpp app/wizardtable_test.cpp
     app/sendstep_test.cpp app/inspect_test.cpp app/jobfile_test.cpp
     app/pagejobs_test.cpp app/tooltable_test.cpp)
