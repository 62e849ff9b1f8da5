mode H
display
keys 255O
display
keys IV
keys Z
keys O1F
set HexB=0x
keys V
set DigitsD=10
keys ZO
keys FFFFFFFF
keys F
display
