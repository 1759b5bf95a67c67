# A failed expect is reported and the script goes on; the exit status is 1.
expect Form1.Edit1 "100"
expect Form1.Edit1 "101"
expect Form1.StatusBar1[2] ""
set Form1.Edit2 "line\nbreak"
expect Form1.Edit2 "line\nbreak"
echo "still running"
