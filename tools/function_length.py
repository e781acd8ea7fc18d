#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Lists the C++ functions longer than a limit and fails when there is one.

    tools/function_length.py [--limit N] [path ...]     (default: 80 lines, src/ and app/)

The code is clang-formatted with a function's opening brace on a line of its own (control
statements, classes and namespaces keep theirs on the line that opens them), so a line holding
only "{" outside any function starts a function body. The length is counted from that brace to
the one that closes it, both included; lambdas count toward the function they are written in.
"""
import argparse
import pathlib
import re
import sys

STRING = re.compile(r'"(?:\\.|[^"\\])*"|\'(?:\\.|[^\'\\])*\'')


def code_of(line, in_comment):
    """The line without string literals and comments; whether a /* comment is still open."""
    out = []
    i = 0
    line = STRING.sub('""', line)
    while i < len(line):
        if in_comment:
            end = line.find("*/", i)
            if end < 0:
                return "".join(out), True
            i = end + 2
            in_comment = False
        elif line.startswith("//", i):
            break
        elif line.startswith("/*", i):
            in_comment = True
            i += 2
        else:
            out.append(line[i])
            i += 1
    return "".join(out), in_comment


def signature(lines, brace):
    """The lines before the brace at index `brace` back to a blank line, comment or statement."""
    first = brace
    while first > 0:
        text = lines[first - 1].strip()
        if not text or text.startswith("//") or text.endswith((";", "}")):
            break
        first -= 1
    return " ".join(l.strip() for l in lines[first:brace])


def functions(path):
    """(name, first line, length) of every function body in the file."""
    lines = path.read_text(encoding="utf-8", errors="replace").splitlines()
    depth = 0
    start = None
    name = ""
    in_comment = False
    for number, raw in enumerate(lines, 1):
        code, in_comment = code_of(raw, in_comment)
        if start is None:
            if code.strip() == "{":
                start = number
                depth = 0
                name = signature(lines, number - 1)
            else:
                continue
        depth += code.count("{") - code.count("}")
        if depth == 0:
            yield name, start, number - start + 1
            start = None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--limit", type=int, default=80)
    parser.add_argument("paths", nargs="*")
    args = parser.parse_args()
    root = pathlib.Path(__file__).resolve().parent.parent
    paths = [pathlib.Path(p) for p in args.paths] or [root / "src", root / "app"]
    files = []
    for p in paths:
        files += sorted(p.rglob("*")) if p.is_dir() else [p]
    too_long = []
    for f in files:
        if f.suffix not in (".cpp", ".h"):
            continue
        for name, first, length in functions(f):
            if length > args.limit:
                too_long.append(f"{f}:{first}: {length} lines: {name}")
    for line in too_long:
        print(line)
    if too_long:
        print(f"{len(too_long)} function(s) over {args.limit} lines", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
