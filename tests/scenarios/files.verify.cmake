# SPDX-License-Identifier: GPL-3.0-or-later
# After the scenario "files": the link is still a link, and no temporary file was left behind.
if(NOT IS_SYMLINK ${WORKDIR}/odkaz.txt)
  message(FATAL_ERROR "odkaz.txt is no longer a symbolic link")
endif()
file(GLOB_RECURSE leftovers LIST_DIRECTORIES false ${WORKDIR}/.zav-* ${WORKDIR}/*/.zav-*)
if(leftovers)
  message(FATAL_ERROR "temporary files were left behind: ${leftovers}")
endif()
if(NOT IS_SYMLINK ${WORKDIR}/kruh.pdf)
  message(FATAL_ERROR "the link kruh.pdf was replaced")
endif()
