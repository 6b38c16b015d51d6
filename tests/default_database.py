#!/usr/bin/env python3
"""Checks the built default database against the converter's output.

    default_database.py roundtrip KORVEXDB DATABASE IMPORT_DIR
    default_database.py check KORVEXDB DATABASE

roundtrip: `korvexdb export` of the database gives back every record the converter wrote,
with the same names and the same numbers, and nothing else (climate records the sources do
not give read 0). check: `korvexdb check` reports exactly the known findings of the sources
(MAPPING.md) and nothing more. Both work on a copy, so the database is never touched.
"""

import csv
import os
import shutil
import subprocess
import sys
import tempfile

# Absolute minimum above the coldest day: three as transcribed, two where the source gives
# no absolute minimum and the table holds 0.
KNOWN_FINDINGS = {'Палатка', 'Среднекан', 'Ниванкюль', 'Алматы', 'Жаркент'}
# Leading columns of each file that identify a record (a material by name and weight).
KEYS = {'pipes.csv': 1, 'devices_din.csv': 1, 'embrasures.csv': 4, 'coolants.csv': 2,
        'materials.csv': 3, 'kms.csv': 5, 'consumers.csv': 2, 'sources.csv': 1,
        'climate_cold.csv': 3, 'climate_warm.csv': 3, 'climate_temperature.csv': 3,
        'climate_pressure.csv': 3}
CLIMATE = [name for name in KEYS if name.startswith('climate_')]


def records(path):
    with open(path, encoding='utf-8', newline='') as f:
        rows = list(csv.reader(f))
    return rows[0], rows[1:]


def same_value(a, b):
    try:
        return float(a) == float(b)
    except ValueError:
        return a == b


def roundtrip(korvexdb, database, import_dir, work):
    out = os.path.join(work, 'export')
    subprocess.run([korvexdb, 'export', '--db', database, '--out', out], check=True)
    failures = []
    for name, width in KEYS.items():
        header, wanted = records(os.path.join(import_dir, name))
        got_header, got = records(os.path.join(out, name))
        if got_header != header:
            failures.append(f'{name}: header {got_header}')
            continue
        exported = {tuple(r[:width]): r for r in got}
        if len(exported) != len(got):
            failures.append(f'{name}: repeated records in the export')
        for row in wanted:
            back = exported.pop(tuple(row[:width]), None)
            if back is None:
                failures.append(f'{name}: {row[:width]} missing')
            elif not all(same_value(a, b) for a, b in zip(row[width:], back[width:])):
                failures.append(f'{name}: {row} came back as {back}')
        for key, rest in exported.items():
            # A settlement gets all four climate records; those without a source read 0.
            if name not in CLIMATE or any(v not in ('0', '') for v in rest[width:]):
                failures.append(f'{name}: unexpected record {rest}')
        if name not in CLIMATE and name != 'coolants.csv':
            if [r[:width] for r in got] != [r[:width] for r in wanted]:
                failures.append(f'{name}: records in another order')
    return failures


def check(korvexdb, database):
    run = subprocess.run([korvexdb, 'check', '--db', database], capture_output=True,
                         text=True)
    found = set()
    failures = []
    for line in run.stdout.splitlines():
        names = [n for n in KNOWN_FINDINGS if n in line]
        if 'AbsoluteCold' in line and len(names) == 1:
            found.add(names[0])
        else:
            failures.append(f'unexpected finding: {line}')
    if found != KNOWN_FINDINGS:
        failures.append(f'known findings not reported: {sorted(KNOWN_FINDINGS - found)}')
    if run.returncode != (1 if run.stdout else 0):
        failures.append(f'exit status {run.returncode}: {run.stderr}')
    return failures


def main():
    mode, korvexdb, database = sys.argv[1:4]
    with tempfile.TemporaryDirectory() as work:
        copy = os.path.join(work, 'KorvexCommonDatabase.sqlite')
        shutil.copyfile(database, copy)
        if mode == 'roundtrip':
            failures = roundtrip(korvexdb, copy, sys.argv[4], work)
        else:
            failures = check(korvexdb, copy)
    for failure in failures:
        print(failure)
    sys.exit(1 if failures else 0)


if __name__ == '__main__':
    main()
