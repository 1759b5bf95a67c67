# SPDX-License-Identifier: GPL-3.0-or-later
# After the scenario "cooling_cancel": the earlier data file is as it was.
file(READ ${WORKDIR}/udaje.txt data HEX)
if(NOT data STREQUAL "7468652070726576696f757320646174610d0a")
  message(FATAL_ERROR "a cancelled run replaced the data file: ${data}")
endif()
