# Output files are never lost: an abandoned calculation leaves the old file as it was, a read-only
# target is refused before anything is computed, a link is followed, a name near the system's
# limit can be written, and printing that cannot open its output says so.

echo "a sweep abandoned by a text that is not a number leaves the old table and library as they were"
click Form1.RadioButton3
set Form1.Edit16 uhol
answer save stara_tabulka.txt
menu Form1.Ulodosboru1
click Form1.Button1
menu Form1.Ulodosboru1
answer save stara.ccl
menu Form1.Ansys1
answer input Alfa_stena
click Form1.Button1
menu Form1.Ansys1
set Form1.Edit16 0
click Form1.RadioButton2

echo "a read-only target is refused before anything is computed; the calculation goes on"
answer save len_na_citanie.txt
menu Form1.Ulodosboru1
click Form1.Button1
print Form1.Edit13
menu Form1.Ulodosboru1

echo "a symbolic link: the file it points to is replaced, the link stays"
answer save odkaz.txt
menu Form1.Ulodosboru1
click Form1.Button1
menu Form1.Ulodosboru1

echo "a name of 254 bytes"
answer save dddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddddd.txt
menu Form1.Ulodosboru1
click Form1.Button1
menu Form1.Ulodosboru1

echo "the cooling window's data file and picture: a read-only target"
menu Form1.Ochladzovanie1
answer save len_na_citanie.txt
menu Form2.Uloz
click Form2.Button1
print Form2.Edit7
menu Form2.Uloz
answer save len_na_citanie.txt
click Form2.Button3

echo "printing that cannot open its output"
answer printer nie/je/tu/okno.pdf
menu Form1.Uloi1
answer printer nie/je/tu/chladnutie.pdf
menu Form2.Vytlaioknoprogramu1

echo "a link in a loop: every output refuses it and leaves it"
answer save kruh.pdf
menu Form1.UlozitZadanie1
answer save kruh.pdf
click Form7.UlozitGraf
answer printer kruh.pdf
menu Form1.Uloi1
answer save kruh.pdf
menu Form2.Uloz
click Form2.Button1
