# Pasted Japanese-era dates and amounts in 千; the first year of an era shown as 元年.
now 2024-05-03 14:25:36
mode C
paste 令和元年5月1日
display
keys E
panel 2
paste H31.4.30
display
paste R6.5.3
display
paste H31.5.1
strip
mode D
paste 1万2千
display
paste 3千円
display
paste 1億2千万
display
