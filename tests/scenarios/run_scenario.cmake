# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one scenario script and compares its transcript with the expected one. Beside the script,
# NAME.status holds the expected exit status when it is not 0, NAME.err the expected standard
# error, and NAME.files the files the scenario must have written (non-empty), one a line,
# optionally followed by a file of golden/ whose bytes it must equal. NAME.prepare.cmake, when
# there, makes files in WORKDIR before the run; NAME.verify.cmake checks WORKDIR after it.
# -DRUNNER=zav-scenario -DSCRIPT=x.zs -DEXPECTED=x.out -DWORKDIR=dir
file(REMOVE_RECURSE ${WORKDIR})
file(MAKE_DIRECTORY ${WORKDIR})
# Run a copy beside the files it writes, so that its name in error reports is the bare file name.
file(COPY ${SCRIPT} DESTINATION ${WORKDIR})
get_filename_component(script_name ${SCRIPT} NAME)
string(REGEX REPLACE "\\.zs$" "" stem ${SCRIPT})
if(EXISTS ${stem}.prepare.cmake)
  include(${stem}.prepare.cmake)
endif()
execute_process(
  COMMAND ${RUNNER} ${script_name}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE transcript
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(WRITE ${WORKDIR}/transcript.out "${transcript}")
file(READ ${EXPECTED} expected)
if(NOT transcript STREQUAL expected)
  execute_process(COMMAND diff -u ${EXPECTED} ${WORKDIR}/transcript.out)
  message(FATAL_ERROR "transcript differs from ${EXPECTED} (exit status ${status}); standard error:\n${errors}")
endif()
set(expected_status 0)
if(EXISTS ${stem}.status)
  file(STRINGS ${stem}.status expected_status)
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "zav-scenario exited with ${status}, expected ${expected_status}: ${errors}")
endif()
if(EXISTS ${stem}.err)
  file(READ ${stem}.err expected_errors)
  if(NOT errors STREQUAL expected_errors)
    message(FATAL_ERROR "standard error is \"${errors}\", expected \"${expected_errors}\"")
  endif()
endif()
set(files_list ${stem}.files)
if(EXISTS ${files_list})
  file(STRINGS ${files_list} written)
  get_filename_component(scenario_dir ${SCRIPT} DIRECTORY)
  foreach(entry ${written})
    separate_arguments(words UNIX_COMMAND "${entry}")
    list(GET words 0 name)
    if(NOT EXISTS ${WORKDIR}/${name})
      message(FATAL_ERROR "the scenario did not write ${name}")
    endif()
    file(SIZE ${WORKDIR}/${name} size)
    if(size EQUAL 0)
      message(FATAL_ERROR "the scenario wrote ${name} empty")
    endif()
    list(LENGTH words count)
    if(count GREATER 1)
      list(GET words 1 expected_file)
      execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORKDIR}/${name}
                              ${scenario_dir}/golden/${expected_file}
                      RESULT_VARIABLE differs)
      if(differs)
        message(FATAL_ERROR "${name} differs from golden/${expected_file}")
      endif()
    endif()
  endforeach()
endif()
if(EXISTS ${stem}.verify.cmake)
  include(${stem}.verify.cmake)
endif()
