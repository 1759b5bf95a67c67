# Failed checks: message box, then the status text; the previous results stay shown.
click Form1.Button1
print Form1.Edit13

echo "air: mean temperature -73,5 °C"
set Form1.Edit1 -100
set Form1.Edit2 -47
click Form1.Button1
print Form1.StatusBar1
print Form1.Edit13
print Form1.Edit15
echo "air: mean temperature -73 °C passes"
set Form1.Edit2 -46
click Form1.Button1
print Form1.StatusBar1
print Form1.Edit15

echo "water: 110/90 °C passes, 110/92 °C fails"
click Form1.RadioButton10
set Form1.Edit1 110
set Form1.Edit2 90
click Form1.Button1
print Form1.Edit15
set Form1.Edit2 92
click Form1.Button1
print Form1.StatusBar1
print Form1.Edit15

echo "vertical plate with equal temperatures: Ra = 0"
click Form1.RadioButton1
set Form1.Edit1 20
set Form1.Edit2 20
click Form1.Button1
print Form1.StatusBar1
print Form1.Edit14

echo "horizontal plate, body colder than the fluid, upper face"
click Form1.RadioButton4
set Form1.Edit1 20
set Form1.Edit2 20,0001
click Form1.Button1
print Form1.StatusBar1
echo "horizontal plate, equal temperatures"
set Form1.Edit2 20
click Form1.Button1
print Form1.StatusBar1

echo "finned tube in air outside 1000..10^7"
click Form1.RadioButton9
set Form1.Edit1 100
set Form1.Edit10 1
click Form1.Button1
print Form1.StatusBar1
print Form1.Edit13
set Form1.Edit10 0,1

echo "a passed check clears the status text"
click Form1.RadioButton2
click Form1.Button1
print Form1.StatusBar1
print Form1.Edit13
