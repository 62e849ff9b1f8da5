# Whole date calculations: calendar dates, durations, range boxes and the information line.
now 2024-05-03 14:25:36
mode C
keys F2024A5B3C
display
keys E
panel 2
keys +100C=
display
panel 2
keys ZF2024A12B25C-2024A5B3CF=
display
keys O
display
keys ZF1599A
keys ZF13B
display
keys Z3B
keys *2=
display
keys ZF2024A5B3C*2=
strip
# A result past the year 9999 is a conversion error that clears the calculator.
keys ZF3000A12B31C+3000000C=
display
