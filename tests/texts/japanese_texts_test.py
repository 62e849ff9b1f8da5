#!/usr/bin/env python3
"""Every text the program hands to a message box or the status line is
Japanese: a literal in such a call that is plain ASCII with letters fails,
unless the window's message catalogue gives its Japanese form.

usage: japanese_texts_test.py SOURCE_DIR"""
import re
import sys
from pathlib import Path

source = Path(sys.argv[1])
calls = re.compile(r"\b(?:messageBox|ShowMessageBox|DspMsg|ReportCalcError|rangeError|setPanel|"
                   r"showMessage)\s*\(([^;]*?)\)\s*;", re.S)
literal = re.compile(r'"((?:[^"\\]|\\.)*)"')
catalogue = (source / "values" / "message_catalogue.cpp").read_text(encoding="utf-8")
translated = set(re.findall(r'\{"([^"]+)", "[^"]+"\}', catalogue))
names = {"Tavrik"}  # the program's name, the title of its message boxes

failures = []
for path in sorted(source.rglob("*.cpp")):
    text = path.read_text(encoding="utf-8")
    for call in calls.finditer(text):
        for words in literal.findall(call.group(1)):
            english = words.isascii() and re.search(r"[A-Za-z]{2}", words)
            if english and words not in translated and words not in names:
                line = text.count("\n", 0, call.start()) + 1
                failures.append(f"{path.relative_to(source)}:{line}: \"{words}\"")

for failure in failures:
    print("not Japanese:", failure)
sys.exit(1 if failures else 0)
