# SPDX-License-Identifier: GPL-3.0-or-later
# Files that the scenario "case_files" finds in its folder: a case cut short, a case with a value
# of the wrong type, a text file, a case of a newer program, a case its owner made read-only, and a
# named pipe with no writer.
file(WRITE ${WORKDIR}/poskodene.zav "{\"format\": \"zav-case\", \"version\": 1, \"main\": {\"t_body\": \"8")
file(WRITE ${WORKDIR}/zly_typ.zav "{\"format\": \"zav-case\", \"version\": 1, \"main\": {\"t_body\": 80}}\n")
file(WRITE ${WORKDIR}/tabulka.txt "Teplota;Alfa\r\n20;5,1\r\n")
file(WRITE ${WORKDIR}/novsie.zav "{\"format\": \"zav-case\", \"version\": 2, \"main\": {\"t_body\": \"80\"}}\n")
file(WRITE ${WORKDIR}/chraneny.zav "{\"format\": \"zav-case\", \"version\": 1}\n")
file(CHMOD ${WORKDIR}/chraneny.zav PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
execute_process(COMMAND mkfifo ${WORKDIR}/rura.zav)
