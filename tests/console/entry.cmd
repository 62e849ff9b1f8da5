# Digits, zero replacement, backspace and clear entry.
keys 007
display
keys R5
display
keys X
display
keys Z1234567X
display
keys G
display
keys 12P5P
display
keys Z
strip
panel 1
# Results carry at most 18 significant digits of the 80-bit value.
keys Z1/3/10000000000=
display
