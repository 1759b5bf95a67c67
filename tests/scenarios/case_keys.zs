# The keys of the table of the inputs name the controls that show them: the same fields as by
# their windows' names.
set main.t_body 80
expect Form1.Edit1 80
set Form2.Edit4 45
expect cooling.target 45
set fluid.kelo.name "Zmes"
print Form8.Edit57
click main.radiation
print Form1.CheckBox1
print design.heat_flow
