# The worked examples of the manual page 事務計算の例, key for key.
now 2024-12-20 09:00:00
# A receipt with two rates: 8 % food, 10 % goods, 切り捨て.
mode D
keys Z1280+540=
display
press 39
display
panel 3
keys H
press 41
display
keys Z2000I
display
keys H
press 41
display
keys K
display
# A week's time sheet: each day from its clock times, cut to 15 minutes, less
# an hour's break (none on Friday); the week in decimal hours, and the wage at
# 1,200 yen an hour.
mode T
keys Z9D
press 45
keys 18D10E=
display
press 47
display
keys -1D=
display
keys Z8D55E
press 45
keys 17D20E=
display
press 47
display
keys -1D=
display
keys Z9D2E
press 45
keys 19D40E=
display
press 47
display
keys -1D=
display
keys Z22D
press 45
keys 6D=
display
press 47
display
keys -1D=
display
keys Z8D58E
press 45
keys 14D50E=
display
press 47
display
keys Z8D+7D15E+9D30E+7D+5D45E=
display
press 44
display
keys *1200=
display
# Ten business days to a deadline over the year's end.
mode C
keys ZF2024A12B20C+10=
display
keys ZF2025A1B10C/2024A12B20CF=
display
keys ZF2025A1B13CE
panel 2
