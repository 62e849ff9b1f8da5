# Results on the tape: shown under their lines only with ResultH on, and
# never written to the history file.
keys 12+3=*2=
history
set ResultH=1
history
keys 1P5I
history
history write $WORK/h.txt
history clear
history read $WORK/h.txt
history
# The list as CSV, results beside their lines.
history clear
set KK3=1
keys 1234+5=I
history csv $WORK/tape.csv
history csv $WORK/no/such/folder/tape.csv
# Undo and redo of key steps.
undo
display
history
undo
undo
display
redo
display
history
