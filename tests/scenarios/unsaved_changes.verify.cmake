# SPDX-License-Identifier: GPL-3.0-or-later
# After the scenario "unsaved_changes": "Uložiť" in the question wrote the radio button's change
# into the case's own file.
file(READ ${WORKDIR}/skrina.zav saved)
if(NOT saved MATCHES "\"fluid\": \"water\"")
  message(FATAL_ERROR "skrina.zav does not hold the saved change: ${saved}")
endif()
