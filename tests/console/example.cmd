keys 12+3=
display
history
