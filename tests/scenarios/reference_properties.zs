# The reference properties of air and water, and the deviation of the built-in ones under the results.
echo "defaults: air, built-in properties"
print Form1.CheckBoxRef
click Form1.Button1
print Form1.Edit13
print Form1.Presnost1
expect Form1.StatusBar1[2] ""

echo "air at a mean of -60 °C: the built-in viscosity is far off"
set Form1.Edit1 -50
set Form1.Edit2 -70
click Form1.Button1
print Form1.Edit13
print Form1.Presnost1

echo "the same with the reference properties: no indicator"
click Form1.CheckBoxRef
click Form1.Button1
print Form1.Edit5
print Form1.Edit13
print Form1.Presnost1
click Form1.CheckBoxRef

echo "water at a mean of 4 °C: the expansion coefficient near its zero"
click Form1.RadioButton10
set Form1.Edit1 6
set Form1.Edit2 2
click Form1.Button1
print Form1.Edit13
print Form1.Presnost1

echo "water at 99,5 °C and at 30 °C, air at 30 °C"
set Form1.Edit1 100
set Form1.Edit2 99
click Form1.Button1
print Form1.Presnost1
set Form1.Edit1 40
set Form1.Edit2 20
click Form1.Button1
print Form1.Presnost1
click Form1.RadioButton1
click Form1.Button1
print Form1.Presnost1

echo "a failed check empties it"
set Form1.Edit1 20
click Form1.Button1
print Form1.Presnost1
print Form1.StatusBar1[2]

echo "air at a mean of 1900 °C: built-in only; the reference ends at 2000 K"
set Form1.Edit1 2000
set Form1.Edit2 1800
click Form1.Button1
print Form1.Edit13
print Form1.Presnost1
click Form1.CheckBoxRef
click Form1.Button1
print Form1.Edit13
print Form1.Presnost1
print Form1.StatusBar1[2]
echo "the fluid temperature must be in the reference range too"
set Form1.Edit1 20
set Form1.Edit2 -80
click Form1.Button1
print Form1.StatusBar1[2]
click Form1.CheckBoxRef

echo "the user-defined fluid has no indicator"
set Form1.Edit1 100
set Form1.Edit2 20
click Form1.RadioButton13
click Form8.RadioButton1
click Form1.Button1
print Form1.Edit13
print Form1.Presnost1
