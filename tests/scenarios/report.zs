# The calculation report ("Súbor → Správa o výpočte…"): the case the fields hold now with the main
# window's numbers, as an HTML page or a PDF document; fields that are not numbers write nothing;
# a name without .html, .htm or .pdf is refused; a case never saved or opened is "bez názvu", a
# saved one is named after its file, and a refused one says why.

echo "a computed case: the page holds the window's results"
set Form1.Edit1 85,5
click Form1.CheckBox1
set Form1.Edit20 0,85
click Form1.RadioButton8
click Form1.Button1
print Form1.Edit13
print Form1.Edit18
print Form1.Presnost1
print Form1.Rozptyl1
answer save sprava.html
menu Form1.Sprava1

echo "the same case as a PDF document"
answer save sprava.pdf
menu Form1.Sprava1

echo "a name of another kind is refused"
answer save sprava.txt
menu Form1.Sprava1

echo "a field that is not a number: its error, no dialog, nothing written"
set Form1.Edit2 tekutina
menu Form1.Sprava1
set Form1.Edit2 20

echo "a saved case that a check refuses: its name, its inputs and the reason"
answer save voda.zav
menu Form1.UlozitZadanie1
click Form1.RadioButton10
set Form1.Edit1 250
answer save odmietnuty.htm
menu Form1.Sprava1
print Form1.Edit13
