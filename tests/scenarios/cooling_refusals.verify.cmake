# SPDX-License-Identifier: GPL-3.0-or-later
# After the scenario "cooling_refusals": the earlier data file is as it was.
file(READ ${WORKDIR}/udaje.txt data)
if(NOT data STREQUAL "the previous data")
  message(FATAL_ERROR "a refused run replaced the data file: ${data}")
endif()
