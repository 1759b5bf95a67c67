# Cooling inputs that would give a negative, zero or undefined time are refused with the field and
# its value; the data file from before stays as it was. Biot refuses a number that is not finite.
menu Form1.Ochladzovanie1
answer save udaje.txt
menu Form2.Uloz
set Form2.Edit6 100

echo "mass and cooling area must be positive"
set Form2.Edit1 -1
click Form2.Button1
print Form2.Edit7
set Form2.Edit1 0
click Form2.Button1
set Form2.Edit1 1
set Form2.Edit3 0
click Form2.Button1
set Form2.Edit3 1

echo "a negative emissivity, with radiation on"
set Form2.Edit10 -0,5
click Form2.Button1
set Form2.Edit10 1

echo "the step count: at most a billion"
set Form2.Edit6 1000000001
click Form2.Button1
set Form2.Edit6 100

echo "a heat capacity that is not positive at a step: c = 20·t - 1000"
click Form5.RadioButton4
set Form5.Edit2 -1000
set Form5.Edit3 20
click Form2.Button1
print Form2.Edit7
print Form1.StatusBar1[2]
click Form5.RadioButton2

echo "a coefficient that is not finite"
set Form2.Edit10 1e308
click Form2.Button1
print Form2.Edit7
set Form2.Edit10 1
click Form1.RadioButton8
set Form1.Edit10 0
click Form2.Button1
print Form1.StatusBar1[2]
set Form1.Edit10 0,1
click Form1.RadioButton2

echo "Biot of a material that hardly conducts"
click Form1.Button1
set Form2.Edit5 1e-320
click Form2.Button2
print Form2.Edit9

echo "without radiation a negative emissivity plays no part in the time (no data file now)"
menu Form2.Uloz
set Form2.Edit10 -0,5
click Form2.CheckBox1
click Form2.Button1
print Form2.Edit7
