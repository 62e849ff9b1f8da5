# The sheet of the example: a sales note, a comment and an answered line.
sheet add 売上 1,200 × 3
sheet add # メモ
sheet add 10/4=
sheet run
sheet show
sheet clear
sheet plus on
sheet add 売上 1,200 × 3
sheet add # メモ
sheet add 10/4=
sheet run
sheet show
