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
# A week's time sheet and the wage at 1,200 yen an hour.
mode T
keys 8D15E+7D45E+8D+9D30E+6D30E=
display
keys /1D=
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
