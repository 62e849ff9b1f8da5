# Division by zero, the error box after ErrCtMax errors, bad commands.
set ErrCtMax=1
keys 1/0=
strip
display
keys /0=
keys 2+2=
strip
panel 2
bogus
keys 12q3
display
press 1 x
set NoSuchKey=1
set Tax
# Display rounding whose offset would pass the range: an overflow, never a flipped sign.
set RoundM=1
keys Z922337203685477+P5=
strip
keys Z
set RoundD=-2
keys 9223372036854P775=
strip
