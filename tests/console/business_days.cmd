# Business days and the first day counted: holidays named, 営業日 shifts and counts.
now 2024-05-03 14:25:36
mode C
keys F2024A5B3C
display
keys E
panel 2
# Three business days after 2 May skip the holidays of Golden Week.
keys ZF2024A5B2C+3=
display
panel 2
keys ZF2024A5B7C-1=
display
# Business days of May after the 1st, the 1st counted too.
keys ZF2024A5B31C/2024A5B1CF=
display
# Calendar days with the first day counted.
keys ZF2024A5B31C-2024A5B1CF=
display
# The user's own days off at the year's end.
keys ZF2024A12B27C+1=
display
keys ZF2024A12B30C
keys E
panel 2
