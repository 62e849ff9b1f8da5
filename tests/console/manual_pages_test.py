#!/usr/bin/env python3
"""The generated manual pages against their sources: functions.html lists
exactly what `tavrik-cli` prints for `funcs`, and keyboard.html has one row
per key that the starter file's key table assigns.

usage: manual_pages_test.py TAVRIK_CLI MANUAL_PAGES_TOOL STARTER_INI"""
import html
import re
import subprocess
import sys
import tempfile
from pathlib import Path

cli, tool, starter = sys.argv[1:4]
failures = []

with tempfile.TemporaryDirectory() as folder:
    subprocess.run([tool, starter, folder], check=True)
    functions = Path(folder, "functions.html").read_text(encoding="utf-8")
    keyboard = Path(folder, "keyboard.html").read_text(encoding="utf-8")

printed = subprocess.run([cli], input="funcs\n", capture_output=True, text=True,
                         check=True).stdout.splitlines()
listed = [f"funcs: {html.unescape(code)} {html.unescape(name)}: {html.unescape(text)}"
          for code, name, text in
          re.findall(r"<tr><td>(F#\d+)</td><td>(.*?)</td><td>(.*?)</td></tr>", functions)]
if not printed:
    failures.append("funcs printed nothing")
if listed != printed:
    failures.append("functions.html and funcs differ:\n  " +
                    "\n  ".join(sorted(set(listed) ^ set(printed))))

ini = Path(starter).read_bytes().decode("cp932")
assigned = [line for line in ini.splitlines()
            if re.match(r"Key[NCS]\d+=", line, re.I) and line.split("=", 1)[1].strip("_ ")]
rows = re.findall(r"<tr><td><kbd>(.*?)</kbd></td>((?:<td>.*?</td>){4})</tr>", keyboard)
if len(rows) != len(assigned):
    failures.append(f"keyboard.html has {len(rows)} rows for {len(assigned)} assigned keys")
if any(cells.count("<td></td>") == 4 for _, cells in rows):
    failures.append("keyboard.html has a row that assigns nothing")
for name in ("Enter", "Esc", "BackSpace", "Delete", "F9", "テンキー 5", "Ctrl + C"):
    if f"<kbd>{name}</kbd>" not in keyboard:
        failures.append(f"keyboard.html lacks {name}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)
