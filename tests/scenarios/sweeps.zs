# The table and CEL switches, their dialogs, the range window and the chart.
print Form1.Ulodosboru1
print Form1.Ansys1
print Form6
dump Form6
print Form7
print Form7.Chart1

echo "table switch on: the file is asked for once"
answer save tabulka.txt
menu Form1.Ulodosboru1
print Form1.Ulodosboru1
click Form1.Button1
dump Form7
expect Form1.Edit15 60,00
expect Form1.Edit13 7,362
click Form1.Button1

echo "the range window and the chart window"
menu Form1.Nastavrozsah1
print Form6
menu Form1.graf2
print Form7

echo "only Alfa - celková and Pr: two series, the axis of the last"
click Form7.CheckBox2
click Form7.CheckBox3
click Form7.CheckBox8
print Form7.Chart1
set Form6.Edit3 30
answer save tabulka2.txt
menu Form1.Ulodosboru1
menu Form1.Ulodosboru1
click Form1.Button1
dump Form7

echo "a calculation with the switch off leaves the chart"
menu Form1.Ulodosboru1
set Form6.Edit3 50
click Form1.Button1
print Form7.Series1

echo "switch on again and cancel: the switch stays on with the earlier file"
menu Form1.Ulodosboru1
print Form1.Ulodosboru1
click Form1.Button1
print Form7.Series1

echo "bad ranges: a message, no sweep, the calculation goes on"
set Form6.Edit3 0
click Form1.Button1
print Form1.Edit15
set Form6.Edit3 -5
click Form1.Button1
set Form6.Edit1 -1000000
set Form6.Edit2 1000000
set Form6.Edit3 1
click Form1.Button1
set Form6.Edit1 0
set Form6.Edit2 100
set Form6.Edit3 x
click Form1.Button1
set Form6.Edit3 50
set Form6.Edit2 0,3
set Form6.Edit3 0,1
click Form1.Button1
print Form7.Series1
menu Form1.Ulodosboru1

echo "Ansys: no file chosen, then names"
menu Form1.Ansys1
print Form1.Ansys1
answer input Q1
click Form1.Button1
menu Form1.Ansys1
answer save kniznica.ccl
menu Form1.Ansys1
answer input Q1
click Form1.Button1
answer input cancel
click Form1.Button1
answer input ""
click Form1.Button1
answer input "alfa stena"
click Form1.Button1
answer input "Alfa_stena1"
click Form1.Button1
print Form1.Edit13

echo "a geometry input that is not a number stops the sweep after its file was opened"
menu Form1.Ansys1
answer save tabulka3.txt
menu Form1.Ulodosboru1
click Form1.RadioButton3
set Form1.Edit16 uhol
click Form1.Button1
print Form7.Series1

echo "a file that cannot be written: a message, the calculation goes on"
click Form1.RadioButton2
menu Form1.Ulodosboru1
answer save priecinok-ktory-nie-je/tabulka.txt
menu Form1.Ulodosboru1
click Form1.Button1
print Form1.Edit13
