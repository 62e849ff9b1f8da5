# Start-up from a settings file: the set named by Set, tax, grouping, function keys.
panel 1
keys 1234P567=
display
keys 100I
display
press 101
display
panel 3
set Tax=10
keys 100I
display
set RoundM=0
ini save
