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
