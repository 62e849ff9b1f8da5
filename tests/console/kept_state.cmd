# History and memory kept in a file and read back; a torn or foreign file is
# refused whole with a message and changes nothing.
keys 5+3=H
memory select 2
mode T
keys 1D+
state save $WORK/state/state.txt
keys Z
history clear
mode D
history clear
memory select 0
keys L
memory
state load $WORK/state/state.txt
memory
history
mode T
history
state load $WORK/missing.txt
state load $WORK/script
memory
state load
# A bare file name is a file in the working folder.
state save bare.txt
state load bare.txt
memory
