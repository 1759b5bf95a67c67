# "Návrh": the heat flow given, one input of the main window found; "Prenes do hlavného okna"
# computes it there. The three questions of the manual, a heat flow into a colder body, and one
# that no temperature within the fluid's range carries.
menu Form1.Navrh1
print Form10
dump Form10

echo "40 W from an enclosure's wall (0,4 m high, 0,6 m², ε 0,9) in air at 35 °C: the wall's temperature"
set Form1.Edit2 35
set Form1.Edit10 0,4
set Form1.Edit17 0,6
click Form1.CheckBox1
set Form1.Edit20 0,9
set Form10.Edit1 40
click Form10.Button1
print Form10.Edit2
click Form10.Button2
print Form1.Edit1
print Form1.Edit13
print Form1.Edit18

echo "200 W from fins 0,1 m high at 60 °C in air at 25 °C, without radiation: the area"
click Form1.CheckBox1
set Form1.Edit1 60
set Form1.Edit2 25
set Form1.Edit10 0,1
click Form10.RadioButton3
set Form10.Edit1 200
click Form10.Button1
print Form10.Edit2
click Form10.Button2
print Form1.Edit17
print Form1.Edit18

echo "a cube of 8 cm (l = 3·s·√π) with ε 0,9 at 85 °C sheds 15 W: the warmest air it stands"
click Form1.RadioButton5
click Form1.CheckBox1
set Form1.Edit1 85
set Form1.Edit10 0,4254
set Form1.Edit17 0,0384
click Form10.RadioButton2
set Form10.Edit1 15
click Form10.Button1
print Form10.Edit2
click Form10.Button2
print Form1.Edit2
print Form1.Edit18

echo "-25 W into a body in water at 40 °C: its temperature"
click Form1.RadioButton2
click Form1.RadioButton10
click Form1.CheckBox1
set Form1.Edit2 40
set Form1.Edit17 0,01
click Form10.RadioButton1
set Form10.Edit1 -25
click Form10.Button1
print Form10.Edit2

echo "1 MW from the same body: beyond the water's range"
set Form10.Edit1 1e6
click Form10.Button1
print Form10.Edit2
print Form1.StatusBar1
echo "nothing found: nothing to carry over"
click Form10.Button2

echo "a heat flow that is not a number"
set Form10.Edit1 sto
click Form10.Button1

echo "a body at 30 °C typed, its temperature found, then the unknown changed to the area: no result, nothing carried over"
set Form1.Edit1 30
set Form10.Edit1 -25
click Form10.Button1
print Form10.Edit2
click Form10.RadioButton3
print Form10.Edit2
click Form10.Button2
print Form1.Edit1
echo "the area computed: the water changed to 45 °C before Prenes, which refuses"
click Form10.Button1
print Form10.Edit2
set Form1.Edit2 45
click Form10.Button2
print Form10.Edit2
print Form1.Edit17
echo "computed again from 45 °C: carried over, the body's 30 °C kept"
click Form10.Button1
click Form10.Button2
print Form1.Edit17
print Form1.Edit1
print Form1.Edit18
echo "the heat flow edited after a result: no result"
click Form10.Button1
print Form10.Edit2
set Form10.Edit1 -20
print Form10.Edit2
echo "the radiation switched on after a result: Prenes refuses"
click Form10.Button1
print Form10.Edit2
click Form1.CheckBox1
click Form10.Button2
print Form1.Edit17
echo "a main-window input changed after a result: no result at once"
click Form1.CheckBox1
click Form10.Button1
print Form10.Edit2
set Form1.Edit10 0,2
print Form10.Edit2
echo "an area for -1E-305 W: a number, not NAN"
click Form10.RadioButton3
set Form10.Edit1 -1E-305
click Form10.Button1
print Form10.Edit2

echo "a KELO fluid whose coefficient file is not loaded: said so"
click Form1.RadioButton13
click Form10.Button1
click Form1.RadioButton1
