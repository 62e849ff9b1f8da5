# A selection inside a longer line is answered in place.
sheet add 合計 2+3 円
sheet select 3 3
sheet copy
sheet run
sheet show
# The display value is X; the run keeps the calculator as it was.
keys 100
formula X*1.08=
display
panel 2
# In time mode the run reads with decimal rules and the mode stays.
mode T
keys 1E
formula X+10/4=
panel 1
display
mode D
# Answered lines are read again; failures leave lines untouched.
sheet clear
sheet add 5+3=8
sheet add 5/0=
sheet add 2(3+4)=
sheet add (1+2)-3=
sheet add 2*(5)+1
sheet run
sheet show
# Files: Shift-JIS with CR LF, loaded at the end of the sheet. Run again,
# the answered lines keep their answers once.
sheet save $WORK/sheet.txt
sheet clear
sheet add 最初の行
sheet load $WORK/sheet.txt
sheet run
sheet show
sheet load $WORK/missing.txt
# Commands with arguments of the wrong form.
sheet select 1
sheet plus maybe
sheet
check 7
# User functions and their check.
set FStr1=X*0=
check 1
set FStr2=(X+1)-(X-1)=
check 2
set FStr3=Y*2=
check 3
check 4
