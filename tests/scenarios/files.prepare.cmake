# SPDX-License-Identifier: GPL-3.0-or-later
# Files that the scenario "files" finds in its folder: an old table and library, a file its owner
# made read-only, and a symbolic link to a file in a folder.
file(WRITE ${WORKDIR}/stara_tabulka.txt "stará tabuľka\r\n")
file(WRITE ${WORKDIR}/stara.ccl "stará knižnica\r\n")
file(WRITE ${WORKDIR}/len_na_citanie.txt "chránený súbor\r\n")
file(CHMOD ${WORKDIR}/len_na_citanie.txt PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
file(MAKE_DIRECTORY ${WORKDIR}/ciel)
file(WRITE ${WORKDIR}/ciel/skutocny.txt "pôvodný obsah\r\n")
file(CREATE_LINK ciel/skutocny.txt ${WORKDIR}/odkaz.txt SYMBOLIC)
# Two links that point at each other.
file(CREATE_LINK kruh2.pdf ${WORKDIR}/kruh.pdf SYMBOLIC)
file(CREATE_LINK kruh.pdf ${WORKDIR}/kruh2.pdf SYMBOLIC)
