# The set menu: the chosen set comes into force with its display width and,
# when it differs, its mode; the set in force chosen again keeps the entry.
mode H
keys 0-1=O
display
choose 1
panel 1
keys 0-1=O
display
keys 5
choose 1
display
choose 2
choose 0
panel 1
display
