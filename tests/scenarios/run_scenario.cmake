# Runs one scenario script and compares its transcript with the expected one.
# -DRUNNER=zav-scenario -DSCRIPT=x.zs -DEXPECTED=x.out -DWORKDIR=dir
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
execute_process(
  COMMAND ${RUNNER} ${SCRIPT}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE transcript
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(WRITE ${WORKDIR}/transcript.out "${transcript}")
file(READ ${EXPECTED} expected)
if(NOT transcript STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${WORKDIR}/transcript.out)
  message(FATAL_ERROR "transcript differs from ${EXPECTED}")
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zav-scenario exited with ${status}: ${errors}")
endif()
