"""Exit 0 when every job file matches the job file schema, 1 otherwise; the
name of each file that does not match on standard output, its faults on
standard error.

usage: validate_job_file.py SCHEMA FILE...
"""
import json
import sys

import jsonschema

validator = jsonschema.Draft202012Validator(json.load(open(sys.argv[1], encoding="utf-8")))
refused = 0
for name in sys.argv[2:]:
    faults = list(validator.iter_errors(json.load(open(name, encoding="utf-8"))))
    for fault in faults:
        print(f"{name}: {'/'.join(map(str, fault.path))}: {fault.message}", file=sys.stderr)
    if faults:
        print(name)
        refused += 1
sys.exit(1 if refused or len(sys.argv) < 3 else 0)
