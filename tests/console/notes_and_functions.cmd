# The formula panel's notes and its refusal of powers and functions, with the message part.
formula 5月の売上 1,200 × 3
panel 2
formula (1+2)*3^2
panel 2
formula sqrt(2)+1
panel 2
sheet clear
sheet add 2^10
sheet add 1+1
sheet run
sheet show
panel 2
