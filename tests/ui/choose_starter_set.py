"""Makes a copy of the starter file start in another settings set: its
"Set=標準" line names SET instead.

usage: choose_starter_set.py STARTER_FILE SET"""
import sys

path, name = sys.argv[1], sys.argv[2]
data = open(path, "rb").read()
chosen = data.replace("Set=標準\r\n".encode("cp932"), f"Set={name}\r\n".encode("cp932"), 1)
if name != "標準" and chosen == data:
    sys.exit(f"{path} has no Set=標準 line")
open(path, "wb").write(chosen)
