"""Exit 0 when every job file matches the job file schema, 1 naming the faults otherwise.

usage: validate_job_file.py SCHEMA FILE...
"""
import json
import sys

import jsonschema

validator = jsonschema.Draft202012Validator(json.load(open(sys.argv[1], encoding="utf-8")))
faults = 0
for name in sys.argv[2:]:
    for fault in validator.iter_errors(json.load(open(name, encoding="utf-8"))):
        print(f"{name}: {'/'.join(map(str, fault.path))}: {fault.message}", file=sys.stderr)
        faults += 1
sys.exit(1 if faults or len(sys.argv) < 3 else 0)
