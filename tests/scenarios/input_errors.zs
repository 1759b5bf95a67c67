# Field texts that are not numbers stop the calculation with the conversion error; the program goes on.
set Form1.Edit1 12.5
click Form1.Button1
print Form1.Edit15
set Form1.Edit1 ""
click Form1.Button1
set Form1.Edit1 "1 000"
click Form1.Button1
set Form1.Edit1 inf
click Form1.Button1
set Form1.Edit1 1e400
click Form1.Button1
set Form1.Edit1 100
set Form1.Edit17 abc
click Form1.Button1
set Form1.Edit17 1

echo "the emissivity is read even with radiation off"
set Form1.Edit20 x
click Form1.Button1
set Form1.Edit20 0,8

echo "a geometry input is read only when its geometry runs"
set Form1.Edit16 uhol
click Form1.Button1
print Form1.Edit12
click Form1.RadioButton3
click Form1.Button1
set Form1.Edit16 0
click Form1.Button1
print Form1.Edit12
set Form1.Edit11 ""
set Form1.Edit19 "d"
click Form1.RadioButton9
click Form1.Button1
set Form1.Edit11 0,005
click Form1.Button1
set Form1.Edit19 0,1
print Form1.StatusBar1

echo "the next corrected calculation works"
click Form1.RadioButton2
click Form1.Button1
print Form1.Edit18
