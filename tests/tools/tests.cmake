# The folders are layers: the check passes on the sources and fails on planted includes.
add_test(NAME tools.checklayers
         COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/tools/check-layers-test.sh ${PROJECT_SOURCE_DIR})
