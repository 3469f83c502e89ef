#!/usr/bin/env bash
# Lists the functions longer than 40 lines and the files longer than 400 lines under src/.
# A function's length runs from its opening brace to its closing brace. It relies on the
# .clang-format layout: a function's braces stand alone in the first column.
# Prints the offenders and fails when there are any, so no function or file grows past them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
python3 - "$here" <<'PY'
import pathlib, re, sys

root = pathlib.Path(sys.argv[1])
MAX_FUNCTION, MAX_FILE = 40, 400
not_functions = re.compile(r'^\s*(class|struct|union|enum|namespace)\b')
offenders = []
for path in sorted((root / 'src').rglob('*')):
    if path.suffix not in ('.cpp', '.h'):
        continue
    lines = path.read_text(encoding='utf-8', errors='replace').splitlines()
    name = path.relative_to(root)
    if len(lines) > MAX_FILE:
        offenders.append(f'{name}: {len(lines)} lines (file)')
    start = None
    for number, line in enumerate(lines):
        if line == '{':
            # The signature is the text above, back to the previous blank or closing line.
            head = number - 1
            while head > 0 and lines[head - 1].strip() and not lines[head - 1].startswith('}'):
                head -= 1
            signature = [l for l in lines[head:number] if not l.lstrip().startswith('//')]
            if signature and '(' in ' '.join(signature) and not not_functions.match(signature[0]):
                start = (number, signature[0].strip())
        elif line.startswith('}') and start:
            length = number - start[0] + 1
            if length > MAX_FUNCTION:
                offenders.append(f'{name}:{start[0] + 1}: {length} lines: {start[1]}')
            start = None
for offender in offenders:
    print(offender)
print(f'Length check: {len(offenders)} over {MAX_FUNCTION} lines a function or {MAX_FILE} a file.')
sys.exit(1 if offenders else 0)
PY
