# Whole time calculations: unit keys, operators, the convert key and the next-unit key.
now 2024-05-03 14:25:36
mode T
keys 1D30E+45E=
display
keys O
display
keys O
display
keys O
display
keys Z2C3D*3=
display
keys /2=
display
keys ZF
display
keys S
display
keys S
display
keys Z90E/30E=
display
history
