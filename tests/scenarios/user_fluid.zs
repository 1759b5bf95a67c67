# The user-defined fluid window and the fluid "iná".
print Form8
dump Form8
look Form8.Edit30
look Form8.Edit36
look Form8.Edit54

echo "\"...\" shows the window and selects \"iná\"; KELO without a file stops at the first field"
click Form1.Button2
print Form8
expect Form1.RadioButton13 checked
expect Form1.RadioButton1 unchecked
click Form1.Button1
print Form1.Edit15

echo "Constant, with a density typed and no OK"
click Form8.RadioButton1
expect Form8.PageControl1 3
click Form1.Button1
print Form1.Edit3
print Form1.Edit6
print Form1.Edit21
set Form8.Edit2 1,5
click Form1.Button1
print Form1.Edit3

echo "Close keeps the edits"
click Form8.Button2
print Form8
expect Form8.Edit2 1,5
click Form1.Button2
print Form8
expect Form8.Edit2 1,5

echo "Linear chosen while the Quadratic tab is shown"
select Form8.PageControl1 2
click Form8.RadioButton2
set Form8.Edit21 -0,1
click Form1.Button1
print Form1.Edit3
print Form1.Edit21

echo "Linear: fluid temperature out of range only"
set Form1.Edit1 25
set Form1.Edit2 -5
click Form1.Button1
print Form1.Edit15
print Form1.StatusBar1

echo "Quadratic, cube: both temperatures out of range, at every calculation"
click Form1.RadioButton5
click Form8.RadioButton3
set Form1.Edit1 300
set Form1.Edit2 150
click Form1.Button1
click Form1.Button1
print Form1.Edit15

echo "a user-defined fluid has no mean-temperature check"
set Form1.Edit1 10000
click Form1.Button1
print Form1.Edit15

echo "air ignores the window's texts, \"xxx\" included"
click Form1.RadioButton2
click Form8.RadioButton4
click Form1.RadioButton1
set Form1.Edit1 100
set Form1.Edit2 20
click Form1.Button1
print Form1.Edit15
click Form1.RadioButton13
click Form1.Button1

echo "Load: cancelled with no file chosen, then a file that is not there"
click Form8.Button3
answer open chyba.kelo
click Form8.Button3
print Form8.Edit30
click Form8.Button1
print Form8
