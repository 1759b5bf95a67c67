# The main window at start-up: defaults, looks, menus and the other windows hidden.
print Form1
dump Form1
look Form1.Edit1
look Form1.Edit20
look Form1.Edit15
look Form1.Edit18
print Form1.Ulodosboru1
print Form1.Ansys1
print Form1.Koniec1
print Form4
print Form9
