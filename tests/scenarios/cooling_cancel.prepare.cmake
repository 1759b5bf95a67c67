# SPDX-License-Identifier: GPL-3.0-or-later
# Before the scenario "cooling_cancel": the data file of an earlier run, which the cancelled run
# must keep byte for byte.
file(WRITE ${WORKDIR}/udaje.txt "the previous data\r\n")
