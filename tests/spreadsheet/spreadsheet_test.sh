#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A teacher opens the CSV files the program saves in her spreadsheet, whatever its language:
# LibreOffice (headless) imports the answer history and the Class Overview with the German,
# French and Spanish import languages, and every number and date it reads must be the one in
# the pupil's database (read with Python's own sqlite3), as a number or a date, not as text.
#   tests/spreadsheet/spreadsheet_test.sh CSV_SAMPLE
set -uo pipefail
sample=$(realpath "$1")
for tool in soffice python3; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TZ=Europe/Berlin # summer and winter time both in the sample
"$sample" "$work" || exit 1

fail=0
for lang in de:1031 fr:1036 es:3082; do
    name=${lang%%:*}
    # Comma-separated, quoted with ", UTF-8, from line 1, the language's number and date
    # formats, quoted fields not forced to text, dates and times detected.
    soffice -env:UserInstallation="file://$work/profile" --headless \
        --infilter="CSV:44,34,76,1,,${lang#*:},false,true" --convert-to fods \
        --outdir "$work/$name" "$work/history.csv" "$work/overview.csv" >/dev/null 2>&1
    python3 - "$work" "$name" <<'PY' || fail=1
import sqlite3, sys, time, xml.etree.ElementTree as ET
work, lang = sys.argv[1], sys.argv[2]
T = '{urn:oasis:names:tc:opendocument:xmlns:table:1.0}'
O = '{urn:oasis:names:tc:opendocument:xmlns:office:1.0}'

def sheet(path):
    """The cells of the first sheet: (type, value) per cell, row by row."""
    rows = []
    for row in ET.parse(path).getroot().iter(T + 'table-row'):
        cells = []
        for c in row.findall(T + 'table-cell'):
            kind = c.get(O + 'value-type')
            value = c.get(O + 'date-value') if kind == 'date' else c.get(O + 'value')
            text = ''.join(c.itertext()).strip()
            cells += [(kind, value if value is not None else text)] * min(
                int(c.get(T + 'number-columns-repeated', '1')), 20)
        rows.append(cells)
    return rows

def local(ms):
    return time.strftime('%Y-%m-%dT%H:%M:%S', time.localtime(ms // 1000))

errors = []
def expect(what, got, wanted):
    if got != wanted:
        errors.append(f'{lang}: {what}: read {got}, expected {wanted}')

rows = sheet(f'{work}/{lang}/history.fods')
head = [v for _, v in rows[0]]
col = {name: head.index(name) for name in ('time', 'drill began', 'milliseconds', 'answer')}
db = sqlite3.connect(f'{work}/Ann.history.sqlite')
answers = db.execute('SELECT at_ms, drill_ms, millis, answer FROM answers ORDER BY id').fetchall()
expect('rows', len(rows) - 1 >= len(answers), True)
for i, (at, drill, millis, answer) in enumerate(answers, 1):
    cells = rows[i]
    expect(f'row {i} time', cells[col['time']], ('date', local(at)))
    expect(f'row {i} drill began', cells[col['drill began']], ('date', local(drill)))
    expect(f'row {i} milliseconds', cells[col['milliseconds']], ('float', str(millis)))
    expect(f'row {i} answer', cells[col['answer']], ('float', answer))

rows = sheet(f'{work}/{lang}/overview.fods')
head = [v for _, v in rows[0]]
ann, bob = [dict(zip(head, row)) for row in rows[1:3]]
for column, wanted in (('Last drill', ('date', '2026-12-08')), ('This week', ('float', '52')),
                       ('Right this week', ('percentage', '0.77')),
                       ('Minutes this week', ('float', '14')), ('Fluent facts', ('float', '12')),
                       ('Trend', ('float', '5'))):
    expect(column, ann[column], wanted)
    expect(column + ' of a pupil who never drilled', bob.get(column, ('', ''))[1], '')
for e in errors:
    print('FAILED:', e)
print(f'{lang}: {len(answers)} answers and the overview read as numbers and dates'
      if not errors else f'{lang}: {len(errors)} figures misread')
sys.exit(1 if errors else 0)
PY
done
exit $fail
