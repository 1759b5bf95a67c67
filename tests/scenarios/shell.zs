# Menus of the main window and ending the program.
menu Form1.Oprograme1
print Form4
dump Form4
menu Form1.Oprograme1
close Form4
print Form4
menu Form1.Oprograme1
print Form4
menu Form1.Peltier1
print Form9
close Form9
print Form9
print Form1

echo "printing, cancelled"
menu Form1.Uloi1
answer printer cancel
menu Form1.Uloi1
echo "printing into a PDF file"
answer printer okno.pdf
menu Form1.Uloi1

echo "Koniec ends the program even with other windows open"
menu Form1.Oprograme1
menu Form1.Koniec1
echo "not reached"
