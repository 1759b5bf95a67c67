print Form1.Edit99
