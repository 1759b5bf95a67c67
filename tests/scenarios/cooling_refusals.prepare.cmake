# SPDX-License-Identifier: GPL-3.0-or-later
# Before the scenario "cooling_refusals": the data file of an earlier run, which every refused run
# must keep.
file(WRITE ${WORKDIR}/udaje.txt "the previous data")
