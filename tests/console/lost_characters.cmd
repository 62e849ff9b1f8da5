# Characters Shift-JIS cannot hold: a save names them before writing (the
# console answers OK), and they come back as "?".
sheet add 1€+½=
sheet add 🙂𠮷 漢字
sheet save $WORK/sheet.txt
sheet clear
sheet load $WORK/sheet.txt
sheet show
set FStr1=X*2+€
ini save
set FStr1=X*2+1
ini save
