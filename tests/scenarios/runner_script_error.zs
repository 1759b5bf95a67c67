# A script error stops the script: reported on standard error with the line, exit status 2.
echo before
set Form1.Edit1 "unterminated
echo "not reached"
