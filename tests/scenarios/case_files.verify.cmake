# SPDX-License-Identifier: GPL-3.0-or-later
# After the scenario "case_files": the read-only case is as it was, and no temporary file was left.
file(READ ${WORKDIR}/chraneny.zav protected)
if(NOT protected STREQUAL "{\"format\": \"zav-case\", \"version\": 1}\n")
  message(FATAL_ERROR "chraneny.zav was changed: ${protected}")
endif()
file(GLOB leftovers LIST_DIRECTORIES false ${WORKDIR}/.zav-*)
if(leftovers)
  message(FATAL_ERROR "temporary files were left behind: ${leftovers}")
endif()
