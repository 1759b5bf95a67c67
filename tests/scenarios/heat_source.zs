# A body with a heat source in the cooling window: an aluminium enclosure of 1,19 kg (c 900) with
# 0,22 m² of surface and 20 W inside warms up from the air's 25 °C; the equilibrium and the times to
# 63 % and 95 % of the way show with the run's time; a target beyond the equilibrium is refused
# with it; a source of 0 W empties those fields again.
set Form1.Edit1 25
set Form1.Edit2 25
set Form1.Edit10 0,2
menu Form1.Ochladzovanie1
set Form5.Edit1 900
set Form2.Edit1 1,19
set Form2.Edit3 0,22
set Form2.Edit11 20
set Form2.Edit4 40
set Form2.Edit6 2000
click Form2.CheckBox1

echo "warm-up to 40 °C"
click Form2.Button1
print Form2.Edit7
print Form2.Edit12
print Form2.Edit13
print Form2.Edit14
print Form2.ProgressBar1
print Form2.Image1

echo "50 °C lies beyond the equilibrium: refused, the fields as they were"
set Form2.Edit4 50
click Form2.Button1
print Form2.Edit7
print Form2.Edit12

echo "cooling from 80 °C with the source on, towards the same equilibrium"
set Form1.Edit1 80
click Form2.Button1
print Form2.Edit7
print Form2.Edit12
print Form2.Edit13

echo "no source: the run of old, the source's fields empty"
set Form2.Edit11 0
set Form2.Edit4 40
click Form2.Button1
print Form2.Edit7
print Form2.Edit12
print Form2.Edit13
print Form2.Edit14
