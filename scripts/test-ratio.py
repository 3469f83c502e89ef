#!/usr/bin/env python3
"""Test code against product code, in non-blank, non-comment C++ lines: tests/ (without tests/data)
over src/. Usage: test-ratio.py [CHECKOUT]. Prints one line; exits 1 above CEILING, so the suite
cannot drift back to restating the code. The goal is at most 0.35; the run fails above 0.40."""
import os
import re
import subprocess
import sys

GOAL = 0.35
CEILING = 0.40


def strip_cpp(text):
    """C++ text without comments; string literals kept (so '//' inside them stays)."""
    out, i, n = [], 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            i = n if j < 0 else j
            continue
        if text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j
            out.append("\n" * text.count("\n", i, j))
            i = j + 2
            continue
        if c == "R" and text.startswith('R"', i) and (i == 0 or not (text[i - 1].isalnum() or text[i - 1] == "_")):
            m = re.match(r'R"([^(\s]*)\(', text[i:i + 20])
            if m:
                delim = ")" + m.group(1) + '"'
                j = text.find(delim, i + m.end())
                j = n if j < 0 else j
                out.append(text[i:j + len(delim)])
                i = j + len(delim)
                continue
        if c == '"' or (c == "'" and not (i > 0 and text[i - 1].isalnum())):
            j = i + 1
            while j < n and text[j] != c:
                if text[j] == "\\":
                    j += 1
                if j < n and text[j] == "\n":
                    break
                j += 1
            out.append(text[i:j + 1])
            i = j + 1
            continue
        out.append(c)
        i += 1
    return "".join(out)


def sloc(path):
    text = open(path, encoding="utf-8", errors="replace").read()
    return sum(1 for l in strip_cpp(text).split("\n") if l.strip())


def tracked(root, prefix):
    files = subprocess.check_output(["git", "-C", root, "ls-files", prefix], text=True).split()
    return [f for f in files if f.endswith((".cpp", ".h", ".hpp", ".cc")) and not f.startswith("tests/data/")]


def ratio(root):
    src = sum(sloc(os.path.join(root, f)) for f in tracked(root, "src"))
    tests = sum(sloc(os.path.join(root, f)) for f in tracked(root, "tests"))
    return src, tests, tests / src if src else float("inf")


if __name__ == "__main__":
    root = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else ".")
    src, tests, r = ratio(root)
    print("tests/ %d lines against src/ %d lines: %.3f of the code (goal: at most %.2f, fails above %.2f)"
          % (tests, src, r, GOAL, CEILING))
    sys.exit(0 if r <= CEILING else 1)
