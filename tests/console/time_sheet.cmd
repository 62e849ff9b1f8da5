# The time-sheet keys of time mode: 44 時間数, 45 時刻差, 46-51 rounding to 15 or 30 minutes.
mode T
# Decimal hours and back; the key turns a typed entry into a result.
keys 8D15
press 44
display
panel 3
keys 1
display
press 44
display
# After "=" the hours are the next operator's left operand.
keys Z7D30E+45E=
press 44
keys *1200=
display
history
# A second operand turned into hours stays the operand.
keys Z1200*8D15E
press 44
keys =
display
# From 22時 to 6時 across midnight, and a clock time that is none.
keys Z22D
press 45
keys 6D=
display
panel 2
keys Z8
press 45
keys 6D=
display
strip
# Rounding: up, down and nearest to 15 and 30 minutes; a bare number stays.
keys Z8D7E30F
press 46
display
keys Z8D7E30F
press 47
display
keys Z8D7E30F
press 48
display
keys Z8D44E59F
press 49
display
keys Z8D44E59F
press 50
display
keys Z8D44E59F
press 51
display
keys Z8
press 46 47 48 49 50 51
display
# The rounded time is the left operand of the next operator.
keys Z9D
press 45
keys 18D10E=
press 47
keys -1D=
display
# The other modes: the keys change nothing and write no history.
mode D
keys 12
press 44 45 46 47 48 49 50 51
display
history
mode H
keys 12
press 44 45 46 47 48 49 50 51
display
history
mode C
keys F2024A5B3C
press 44 45 46 47 48 49 50 51
display
history
