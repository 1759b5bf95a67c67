# Case files: "Súbor → Uložiť zadanie…" keeps every window's inputs as typed, "Otvoriť zadanie…"
# sets them back as the user's typing and clicks would and computes nothing; a file that is not a
# case, a damaged one or one of a newer program changes no field; the last cases are listed newest
# first, each once.

echo "inputs of several windows away from their defaults are saved"
set Form1.Edit1 85,5
click Form1.CheckBox1
set Form1.Edit20 0,9
click Form1.RadioButton10
click Form1.CheckBoxRef
click Form1.RadioButton4
click Form1.RadioButton12
set Form6.Edit3 2,5
click Form7.CheckBox1
click Form7.CheckBox4
set Form2.Edit1 3,2
click Form2.CheckBox1
select Form2.ComboBox2 7
select Form2.ComboBox1 1
click Form5.RadioButton4
set Form5.Edit3 0,25
click Form8.RadioButton2
set Form8.Edit8 1,25
set Form8.Edit57 "Zmes „A“"
click Form1.Button1
print Form1.Edit13
answer save zadanie.zav
menu Form1.UlozitZadanie1
print Form1.PosledneZadanie1

echo "the inputs changed again, and the case opened: every input as saved, the results as they were"
set Form1.Edit1 20
click Form1.CheckBox1
click Form1.RadioButton1
click Form1.CheckBoxRef
click Form1.RadioButton2
click Form1.RadioButton11
set Form1.Edit13 "nezmenené"
set Form6.Edit3 5
click Form7.CheckBox1
click Form7.CheckBox4
set Form2.Edit1 1
click Form2.CheckBox1
select Form2.ComboBox2 0
select Form2.ComboBox1 0
click Form5.RadioButton2
click Form8.RadioButton4
set Form8.Edit8 1,2
set Form8.Edit57 x
answer open zadanie.zav
answer question discard
menu Form1.OtvoritZadanie1
dump Form1
print Form1.CheckBoxRef
look Form1.Edit20
dump Form6
print Form7.CheckBox1
print Form7.CheckBox4
dump Form2
look Form2.Edit10
dump Form5
dump Form8

echo "a damaged case, a file that is not a case, a newer case, a missing file, a pipe and a device change nothing"
set Form1.Edit1 77
click Form1.RadioButton2
answer open poskodene.zav
answer question discard
menu Form1.OtvoritZadanie1
answer open zly_typ.zav
answer question discard
menu Form1.OtvoritZadanie1
answer open tabulka.txt
answer question discard
menu Form1.OtvoritZadanie1
answer open novsie.zav
answer question discard
menu Form1.OtvoritZadanie1
answer open chyba.zav
answer question discard
menu Form1.OtvoritZadanie1
answer open rura.zav
answer question discard
menu Form1.OtvoritZadanie1
answer open /dev/zero
answer question discard
menu Form1.OtvoritZadanie1
answer open cancel
answer question discard
menu Form1.OtvoritZadanie1
print Form1.Edit1
print Form1.RadioButton2
print Form1.PosledneZadanie1
print Form1.PosledneZadanie2

echo "the last cases: newest first, each once; one of them opened again"
answer save druhe.zav
menu Form1.UlozitZadanie1
print Form1.PosledneZadanie1
print Form1.PosledneZadanie2
answer open ./zadanie.zav
menu Form1.OtvoritZadanie1
print Form1.Edit1
print Form1.PosledneZadanie1
print Form1.PosledneZadanie2
print Form1.PosledneZadanie3
set Form1.Edit1 10
answer question discard
menu Form1.PosledneZadanie2
print Form1.Edit1
print Form1.PosledneZadanie1
print Form1.PosledneZadanie2

echo "a case that cannot be written keeps the old file"
answer save chraneny.zav
menu Form1.UlozitZadanie1
answer save cancel
menu Form1.UlozitZadanie1
