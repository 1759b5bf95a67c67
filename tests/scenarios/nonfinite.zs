# A user-defined fluid of zero density: the results are not finite and say so; nothing fails.
click Form8.RadioButton1
set Form8.Edit2 0
click Form1.Button2
answer save tabulka.txt
menu Form1.Ulodosboru1
set Form6.Edit3 50
click Form1.Button1
print Form7.Series1
print Form7.Series3
print Form1.Edit3
print Form1.Edit6
print Form1.Edit8
print Form1.Edit13
print Form1.Edit18
menu Form1.graf2
print Form7
