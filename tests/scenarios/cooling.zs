# The cooling window: its defaults, the heat-capacity window, runs with and without radiation and
# the data file, what a run refuses or stops at, the catalogue, Biot, the picture and printing.
print Form2
menu Form1.Ochladzovanie1
dump Form2
look Form2.Edit10
look Form2.Edit7
look Form2.Edit9
print Form2.Uloz
click Form2.Button4
dump Form5
click Form5.Button1
print Form5

echo "defaults: radiation on, then off"
click Form2.Button1
expect Form2.Edit7 169,1
print Form2.ProgressBar1
print Form2.Image1
print Form1.StatusBar1[2]
expect Form1.Edit13 ------------
click Form2.CheckBox1
click Form2.Button1
expect Form2.Edit7 375,4
click Form2.CheckBox1

echo "data file switched on with no name: the run does not start"
menu Form2.Uloz
print Form2.Uloz
set Form2.Edit6 3
set Form2.Edit4 60
click Form2.Button1
print Form2.Edit7
menu Form2.Uloz
print Form2.Uloz

echo "a data file that cannot be created: the run does not start"
answer save no-such-folder/data.txt
menu Form2.Uloz
click Form2.Button1
menu Form2.Uloz

echo "three steps to 60 °C with the data file"
answer save three.txt
menu Form2.Uloz
click Form2.Button1
expect Form2.Edit7 46,8
print Form2.ProgressBar1

echo "a text that is not a number abandons the run and leaves the data file as it was"
set Form2.Edit10 x
click Form2.CheckBox1
click Form2.Button1
click Form2.CheckBox1
set Form2.Edit10 1
click Form5.RadioButton4
set Form5.Edit3 abc
click Form2.Button1
set Form5.Edit3 0
set Form1.Edit2 20°
click Form2.Button1
set Form1.Edit2 20
print Form2.Edit7

echo "refused before anything is computed"
set Form2.Edit4 100
click Form2.Button1
set Form2.Edit4 10
click Form2.Button1
set Form2.Edit4 60
set Form1.Edit2 100
click Form2.Button1
set Form1.Edit2 20
set Form2.Edit6 0
click Form2.Button1
print Form2.Edit7

echo "2,5 steps of 28 K: the third passes the fluid temperature and ends the run"
answer save stopped.txt
menu Form2.Uloz
menu Form2.Uloz
set Form2.Edit6 2,5
set Form2.Edit4 30
click Form2.Button1
print Form2.Edit7
print Form2.ProgressBar1
print Form1.StatusBar1[2]
menu Form2.Uloz

echo "a check that fails in the scale pass: no curve, time 0,0"
set Form2.Edit6 100
click Form1.RadioButton10
set Form1.Edit1 190
set Form2.Edit4 100
click Form2.Button1
print Form2.Edit7
click Form1.RadioButton1
set Form1.Edit1 100
set Form2.Edit4 30

echo "the catalogue"
select Form2.ComboBox2 26
print Form2.Edit10
look Form2.Edit10
select Form2.ComboBox2 1
print Form2.Edit10
select Form2.ComboBox2 4
print Form2.Edit10
select Form2.ComboBox2 32
print Form2.ComboBox2
print Form2.Edit10
look Form2.Edit10
select Form2.ComboBox2 0
print Form2.Edit10
look Form2.Edit10

echo "Biot: the main window's coefficient as shown there"
click Form2.Button2
print Form2.Edit9
click Form1.Button1
click Form2.Button2
print Form2.Edit9
set Form2.Edit5 0
click Form2.Button2
print Form2.Edit9
set Form2.Edit5 20

echo "the picture"
answer save curve.bmp
click Form2.Button3
click Form2.Button3
answer save no-such-folder/curve.bmp
click Form2.Button3
select Form2.ComboBox1 1
print Form2.ComboBox1

echo "printing and hiding"
answer printer chladnutie.pdf
menu Form2.Vytlaioknoprogramu1
menu Form2.Vytlaioknoprogramu1
menu Form2.Koniec1
print Form2
menu Form1.Ochladzovanie1
print Form2.Edit6
close Form2
print Form2
print Form1
