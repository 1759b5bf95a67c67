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

echo "inputs that make the physics undefined are refused like a failed check"
click Form1.RadioButton1
menu Form1.Ulodosboru1
click Form1.RadioButton8
set Form1.Edit10 0
click Form1.Button1
print Form1.StatusBar1[2]
print Form1.Edit13
set Form1.Edit10 -0,1
click Form1.Button1
set Form1.Edit10 0,1
click Form1.Button1
print Form1.StatusBar1[2]
print Form1.Edit13
click Form1.RadioButton6
set Form1.Edit17 0
click Form1.Button1
set Form1.Edit17 1
click Form1.RadioButton9
set Form1.Edit19 0
click Form1.Button1
set Form1.Edit19 0,1
click Form1.RadioButton3
set Form1.Edit16 180
click Form1.Button1
set Form1.Edit16 -45
click Form1.Button1
set Form1.Edit16 0
click Form1.RadioButton2
click Form1.Button2
click Form8.RadioButton1
set Form8.Edit2 1,2
set Form8.Edit1 0
click Form1.Button1
set Form8.Edit1 1,8e-5
click Form1.Button1
print Form1.StatusBar1[2]
print Form1.Edit13
