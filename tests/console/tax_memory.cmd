set Tax=8
set TaxRound=1
keys 99I
display
panel 3
keys H
keys 100I
keys H
memory
keys ZK
display
memory select 2
keys Z5J
memory
memory store 3
memory recall 0
display
history
