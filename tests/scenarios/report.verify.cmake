# SPDX-License-Identifier: GPL-3.0-or-later
# After the scenario "report": the page holds the texts the main window printed (the results, the
# accuracy and spread lines) and names no case; the PDF is one; the refused case's page names its
# file and says why; the name of another kind wrote nothing.
function(require_text file text)
  file(READ ${WORKDIR}/${file} content)
  string(FIND "${content}" "${text}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${file} does not hold \"${text}\"")
  endif()
endfunction()

file(STRINGS ${WORKDIR}/transcript.out printed ENCODING UTF-8 REGEX "^Form1\\.(Edit13|Edit18|Presnost1|Rozptyl1)=")
list(LENGTH printed count)
if(NOT count EQUAL 5)
  message(FATAL_ERROR "the transcript has ${count} printed results, not 5")
endif()
list(GET printed 0 1 2 3 shown)
foreach(line ${shown})
  string(REGEX REPLACE "^Form1\\.[A-Za-z0-9]+=" "" value "${line}")
  require_text(sprava.html ">${value}</")
endforeach()
require_text(sprava.html "<td>bez názvu</td>")

file(READ ${WORKDIR}/sprava.pdf start LIMIT 16)
if(NOT start MATCHES "^%PDF-")
  message(FATAL_ERROR "sprava.pdf is not a PDF document")
endif()

require_text(odmietnuty.htm "<td>voda.zav</td>")
require_text(odmietnuty.htm "<td>Teplota povrchu telesa</td><td class=\"number\">250</td>")
require_text(odmietnuty.htm "<td>Tekutina</td><td>voda</td>")
require_text(odmietnuty.htm "Výpočet bol odmietnutý")
require_text(odmietnuty.htm "Stredná teplota musí byť v rozsahu 0 až 100°C !!!")

if(EXISTS ${WORKDIR}/sprava.txt)
  message(FATAL_ERROR "a report was written under a name of another kind")
endif()
