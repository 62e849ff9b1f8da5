# Replaying a calculation step by step, deleting lines around AC lines.
keys 5+3=
keys Z
history select 0
history replay
history replay
history replay
history replay
display
history select 4
history delete
history replay
history
history clear
keys 5+Z6+Z
history select 3
history delete
history select 3
history delete
history
history select 0
history delete
history select 0
history delete
history
