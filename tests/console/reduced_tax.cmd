# The reduced rate (8 % when the file names none) beside the standard rate, and 税額.
mode D
keys 1280
press 39
display
panel 3
history
# 税額 takes the rate of the last tax key: the reduced one here.
press 41
display
keys Z1382
press 40
display
keys Z2000I
display
press 41
display
panel 3
# Exact yen: 1 円 with 10 % is 1.1, which 切り捨て keeps at 1.
keys Z1I
display
# Outside decimal mode the keys do nothing.
mode H
keys 100
press 39 40 41
display
mode T
keys 1D
press 39 41
display
mode C
keys F2024A5B3C
press 40
display
