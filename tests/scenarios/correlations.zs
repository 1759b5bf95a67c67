# How sure the result is: a sphere above its correlation's laminar range warns on the accuracy
# line, the spread of the published correlations stands under it, and "Korelácie…" shows them.
click Form1.RadioButton8
set Form1.Edit1 300
set Form1.Edit10 1
click Form1.Button1
print Form1.Edit13
print Form1.Presnost1
print Form1.Rozptyl1
click Form1.Korelacie1
print Form11
print Form11.Tabulka1
echo "water boiling at the surface, radiation on"
click Form1.RadioButton2
click Form1.RadioButton10
set Form1.Edit1 150
set Form1.Edit2 25
set Form1.Edit10 0,1
click Form1.CheckBox1
click Form1.Button1
print Form1.Presnost1
print Form1.Rozptyl1
echo "the finned tube has no other correlation"
click Form1.RadioButton1
click Form1.CheckBox1
click Form1.RadioButton9
set Form1.Edit1 100
set Form1.Edit2 20
click Form1.Button1
print Form1.Rozptyl1
