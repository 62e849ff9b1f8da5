# Paste: a number from a web page or a spreadsheet enters the display as if
# typed; anything else leaves it and says why.
keys 12+
paste ¥1,234円
display
keys =
display
history
paste 1億2345万
display
paste 12 34
display
strip
paste 1e3
display
strip
# The console's clipboard holds what Cb and copy number put on it.
set KK3=1
keys Z1234567P5
keys V
copy number
keys Z
paste
display
mode H
paste 0x1f
display
paste 1.5
strip
mode T
paste 1:30:00
display
mode C
paste 2024-05-03
display
paste 2023/2/29
strip
copy number
history copy
history select 0
mode D
history select 1
history copy
history select 0
history copy
