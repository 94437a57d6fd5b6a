# cmake -DSTRIP=STRIP -DDIR=FOLDER -P windows-strip.cmake: the symbol tables taken out of every
# program and DLL in FOLDER (a user's Windows has no use for them; they are most of Qt's size).
file(GLOB_RECURSE binaries ${DIR}/*.exe ${DIR}/*.dll)
foreach(binary ${binaries})
  execute_process(COMMAND ${STRIP} --strip-unneeded ${binary} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
