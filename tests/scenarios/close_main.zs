# Closing the main window by its title bar ends the program.
click Form1.Button1
close Form1
print Form1
