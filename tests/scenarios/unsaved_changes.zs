# A case opened or saved in this session is guarded: the title names its file, with "*" while a
# field differs from it; ending the program, opening another case or "Nové zadanie" first asks
# whether to save the changes. "Zrušiť" keeps everything as it was, "Uložiť" writes the case's own
# file, "Neuložiť" goes on.

echo "before any case: a new case asks nothing and keeps the program's title"
set Form1.Edit1 70
menu Form1.NoveZadanie1
print Form1.Edit1
print Form1

echo "saved: the title names the file; a change marks it, undoing the change clears the mark"
set Form1.Edit1 60
answer save skrina.zav
menu Form1.UlozitZadanie1
print Form1
set Form6.Edit3 2,5
print Form1
set Form6.Edit3 5
print Form1

echo "a change, then the end of the program cancelled: nothing is lost"
click Form1.RadioButton10
answer question cancel
menu Form1.Koniec1
print Form1

echo "another case opened: cancelled, then saved first into the case's own file"
answer question cancel
menu Form1.OtvoritZadanie1
answer question save
answer open skrina.zav
menu Form1.OtvoritZadanie1
print Form1.RadioButton10
print Form1

echo "a new case, the changes discarded: the start-up inputs, a case without a file"
set Form1.Edit1 90
answer question discard
menu Form1.NoveZadanie1
print Form1.Edit1
print Form1.RadioButton10
print Form1
set Form1.Edit2 30
print Form1

echo "the saved case again from the last cases, then the program ended with the changes discarded"
answer question discard
menu Form1.PosledneZadanie1
print Form1.Edit1
print Form1.RadioButton10
print Form1
set Form1.Edit1 61
answer question discard
close Form1
