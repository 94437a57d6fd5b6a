# The folders are layers: the check passes on the sources and fails on planted includes.
add_test(NAME tools.checklayers
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/tools/check-layers-test.sh ${PROJECT_SOURCE_DIR})

# LinuxCNC's interpreter (Debian's linuxcnc-uspace) as an independent reader of every golden
# program: it must accept each and put the tool where our reader does. Left out where it is
# not installed.
find_program(QORIX_RS274 rs274)
find_package(Python3 COMPONENTS Interpreter QUIET)
if(QORIX_RS274 AND Python3_Interpreter_FOUND AND NOT CMAKE_CROSSCOMPILING)
  add_test(NAME tools.rs274agreement
           COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/tools/rs274-agreement.py
                   $<TARGET_FILE:qorix-wizards-cli> ${CMAKE_CURRENT_SOURCE_DIR}/golden)
  set_tests_properties(tools.rs274agreement PROPERTIES TIMEOUT 300)
endif()
