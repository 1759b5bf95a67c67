# The default calculation, then each geometry and both fluids.
echo "defaults: air, vertical plate, 100/20 °C, l 0,1 m, A 1 m²"
click Form1.Button1
dump Form1
expect Form1.StatusBar1[2] ""

echo "inclined plate at 30°"
click Form1.RadioButton3
set Form1.Edit16 30
click Form1.Button1
print Form1.Edit14
print Form1.Edit12
print Form1.Edit13

echo "horizontal plate, upper face"
click Form1.RadioButton4
click Form1.Button1
print Form1.Edit12
print Form1.Edit13
echo "horizontal plate, lower face"
click Form1.RadioButton12
click Form1.Button1
print Form1.Edit12
print Form1.Edit13

echo "cube"
click Form1.RadioButton5
click Form1.Button1
print Form1.Edit12
print Form1.Edit13
echo "vertical cylinder"
click Form1.RadioButton6
click Form1.Button1
print Form1.Edit12
print Form1.Edit13
echo "horizontal cylinder"
click Form1.RadioButton7
click Form1.Button1
print Form1.Edit12
print Form1.Edit13
echo "sphere"
click Form1.RadioButton8
click Form1.Button1
print Form1.Edit12
print Form1.Edit13
echo "finned tube, air, Gr·Pr within 1000..10^7"
click Form1.RadioButton9
set Form1.Edit10 0,01
click Form1.Button1
print Form1.Edit9
print Form1.Edit12
print Form1.Edit13

echo "water, vertical plate, 40/20 °C"
click Form1.RadioButton2
click Form1.RadioButton10
set Form1.Edit1 40
set Form1.Edit10 0,1
click Form1.Button1
dump Form1
echo "water, finned tube is never refused"
click Form1.RadioButton9
set Form1.Edit1 20,001
click Form1.Button1
print Form1.StatusBar1
print Form1.Edit12

echo "blanks and an exponent in the body temperature"
click Form1.RadioButton1
click Form1.RadioButton2
set Form1.Edit1 " 1e2 "
click Form1.Button1
expect Form1.Edit15 60,00
expect Form1.Edit18 589,00
