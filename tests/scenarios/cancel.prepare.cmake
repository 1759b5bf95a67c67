# SPDX-License-Identifier: GPL-3.0-or-later
# Before the scenario "cancel": a library from an earlier run, which the cancelled sweep must keep.
file(WRITE ${WORKDIR}/kniznica.ccl "the previous library")
