# History written to a file twice, read back in another mode and in its own.
now 2024-05-03 14:05:09
keys 5+3=
history write $WORK/h.txt
history write $WORK/h.txt
mode T
history read $WORK/h.txt
history
mode D
history clear
history read $WORK/h.txt
history
history read $WORK/missing/h.txt
history write $WORK/no/such/folder/h.txt
