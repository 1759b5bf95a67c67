# SPDX-License-Identifier: GPL-3.0-or-later
# After the scenario "cancel": the library is the earlier run's, and no temporary file is left.
file(READ ${WORKDIR}/kniznica.ccl library)
if(NOT library STREQUAL "the previous library")
  message(FATAL_ERROR "the cancelled sweep changed kniznica.ccl")
endif()
file(GLOB leftovers ${WORKDIR}/.zav-*)
if(leftovers)
  message(FATAL_ERROR "temporary files were left behind: ${leftovers}")
endif()
