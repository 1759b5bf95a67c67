# A cooling run of a billion steps (a typo for 10^4) is cancelled in its progress dialog: the data
# file, the picture and the cooling time stay as they were, and the status bar says so.
menu Form1.Ochladzovanie1
echo "a run without a data file, then one of 10^9 steps cancelled"
click Form2.Button1
print Form2.Edit7
print Form2.Image1
set Form2.Edit6 1e9
answer progress cancel 5000
click Form2.Button1
print Form2.Edit7
print Form2.ProgressBar1
print Form1.StatusBar1[2]

echo "with a data file: the file from before is kept"
answer save udaje.txt
menu Form2.Uloz
answer progress cancel 0
click Form2.Button1
print Form2.Edit7
print Form1.StatusBar1[2]

echo "the step count put right: the run goes to its end"
set Form2.Edit6 100
set Form2.Edit4 40
menu Form2.Uloz
click Form2.Button1
print Form2.Edit7
