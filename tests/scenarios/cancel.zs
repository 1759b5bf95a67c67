# Long sweeps cancelled by the user: the files they would replace, the chart and the window's
# results stay as they were, and the status bar says so.
echo "a first table: 21 points"
answer save tabulka.txt
menu Form1.Ulodosboru1
click Form1.Button1
print Form7.Series1
expect Form1.Edit13 7,362

echo "100 001 points, cancelled after 7: no result of the new inputs either"
set Form6.Edit3 0,001
set Form1.Edit1 80
answer progress cancel 7
click Form1.Button1
print Form1.StatusBar1
print Form7.Series1
print Form7.Chart1
expect Form1.Edit13 7,362

echo "the library alone, cancelled at its first point"
menu Form1.Ulodosboru1
answer save kniznica.ccl
menu Form1.Ansys1
answer input Q2
answer progress cancel 0
click Form1.Button1
print Form1.StatusBar1
expect Form1.Edit13 7,362

echo "a cancel beyond a sweep's last point is used up by it, which runs to its end"
menu Form1.Ansys1
set Form6.Edit3 5
set Form1.Edit1 100
answer save tabulka.txt
menu Form1.Ulodosboru1
answer progress cancel 21
click Form1.Button1
print Form1.StatusBar1
print Form7.Series1
expect Form1.Edit13 7,362
