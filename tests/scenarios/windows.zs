# The nine windows: at start-up only the main window is shown; every menu item and button reaches
# its window, which comes back with its fields as they were; "Koniec" of the cooling window hides
# only that window.
print Form1
print Form2
print Form3
print Form4
print Form5
print Form6
print Form7
print Form8
print Form9
print Form1.StatusBar1
dump Form3

echo "openers"
menu Form1.Ochladzovanie1
print Form2
click Form2.Button4
print Form5
menu Form1.Oautorovi1
print Form3
print Form3.Image1
print Form3.Image2
menu Form1.Oprograme1
print Form4
menu Form1.Nastavrozsah1
print Form6
menu Form1.graf2
print Form7
click Form1.Button2
print Form8
print Form1.RadioButton13
menu Form1.Peltier1
print Form9

echo "closed windows keep their fields"
set Form2.Edit1 2,5
set Form5.Edit1 460
set Form6.Edit3 10
close Form2
close Form5
close Form6
close Form3
print Form2
print Form3
menu Form1.Ochladzovanie1
click Form2.Button4
menu Form1.Nastavrozsah1
menu Form1.Oautorovi1
print Form2.Edit1
print Form5.Edit1
print Form6.Edit3
print Form3.Image2

echo "Koniec of the cooling window hides only it"
menu Form2.Koniec1
print Form2
print Form1
print Form5
close Form7
print Form1

echo "Koniec of the main window ends the program with the others open"
menu Form1.Koniec1
