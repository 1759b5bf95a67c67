# The radiation switch: the look of the emissivity field, and the coefficient it adds.
look Form1.Edit20
click Form1.CheckBox1
print Form1.CheckBox1
look Form1.Edit20
click Form1.Button1
print Form1.Edit13
print Form1.Edit18
click Form1.CheckBox1
look Form1.Edit20
click Form1.Button1
print Form1.Edit13
print Form1.Edit18

echo "emissivity 0,5 typed while radiation is on"
click Form1.CheckBox1
set Form1.Edit20 0,5
click Form1.Button1
print Form1.Edit13
echo "cube at equal temperatures: only radiation, heat flow 0"
set Form1.Edit20 0,8
click Form1.RadioButton5
set Form1.Edit1 20
click Form1.Button1
print Form1.Edit12
print Form1.Edit13
print Form1.Edit18
