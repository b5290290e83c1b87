#!/usr/bin/env python3
"""entalix-calc compiled to WebAssembly and run by node must answer every call
byte for byte as the native program: standard output, standard error and the
exit status. The calls are the command line's own: every calculation event of
every screen in both formulations (defaults, a slip, a number too large), every
property function over a grid of arguments as one batch, a CSV table, the
comparison of the formulations and the charts.
    calc_node_test.py <native entalix-calc> <entalix-calc.js>"""
import itertools
import json
import subprocess
import sys
import time

native, wasm = sys.argv[1], sys.argv[2]
FORMULATIONS = ["IFC-67", "IAPWS-IF97"]


def run(command, args, stdin=""):
    p = subprocess.run(command + args, input=stdin.encode(), capture_output=True, timeout=600)
    return p.returncode, p.stdout, p.stderr


failures = 0
calls = 0
seconds = {"native": 0.0, "node": 0.0}


def compare(args, stdin=""):
    global failures, calls
    calls += 1
    t0 = time.monotonic()
    mine = run([native], args, stdin)
    t1 = time.monotonic()
    theirs = run(["node", wasm], args, stdin)
    seconds["native"] += t1 - t0
    seconds["node"] += time.monotonic() - t1
    if mine != theirs:
        failures += 1
        if failures <= 10:
            print("DIFFERS:", " ".join(args), "| stdin", len(stdin), "bytes")
            for name, a, b in zip(("status", "stdout", "stderr"), mine, theirs):
                if a != b:
                    print(f"  {name}: native {a[:400]!r}\n  {name}: node   {b[:400]!r}")


listing = json.loads(run([native], ["--list"])[1])
compare(["--list"])
compare(["--help"])
compare(["--version"])
compare(["no_such_function", "1"])

# Every calculation event: its defaults, a typing slip and a number beyond a double in its first field.
screen_calls = []
for event in listing["events"]:
    base = [event["screen"], event["event"]]
    fields = [f["name"] for f in event["fields"] if f.get("role") in ("input", "atmospheric")]
    variants = [[]]
    if fields:
        variants += [[f"{fields[0]}=abc"], [f"{fields[0]}=1e999"], [f"{fields[0]}= 2.5E1 "]]
    for formulation in FORMULATIONS:
        for extra in variants:
            compare(base + extra + ["--formulation", formulation])
            screen_calls.append({"screen": event["screen"], "event": event["event"], "formulation": formulation})

# Every property function over a grid of arguments, as one batch in each formulation.
GRID = [0.0006, 0.1, 1, 3, 10, 22, 100, 374, 540, 800, -1, 1e300]
lines = []
for f in listing["functions"]:
    n = len(f["arguments"])
    for args in itertools.islice(itertools.product(GRID, repeat=n), 200):
        lines.append(json.dumps({"call": f["name"], "args": list(args), "id": len(lines)}))
lines += ["not json", '{"call": "pswsat_t", "args": ["1"]}', '{"call": "pswsat_t", "args": [1], "formulation": "IAPWS-IF97"}']
lines += [json.dumps({"screen": c["screen"], "event": c["event"], "formulation": c["formulation"]}) for c in screen_calls[:80]]
batch = "\n".join(lines) + "\n"
for formulation in FORMULATIONS:
    compare(["--batch", "--formulation", formulation], batch)

compare(["--csv", "pswh_ptstm"], "p,t\n1,200\n10,600\n0.1,99\nabc,1\n22,400\n")
compare(["--csv", "Form8", "Command2_Click", "--bom"], "Text2\n1\n2.5\n-1\n")
for f in listing["functions"][:20]:
    compare(["--compare", f["name"]] + ["1"] * len(f["arguments"]))
compare(["--chart", "hs", "p=1", "t=300"])
compare(["--chart", "ts", "--full", "--process", "p=10", "t=500", "p=0.01", "x=0.9"])

print(f"{calls} calls, {len(lines)} batch lines; native {seconds['native']:.1f} s, node {seconds['node']:.1f} s")
if failures:
    print(f"{failures} calls differ between the native and the WebAssembly entalix-calc")
    sys.exit(1)
print("the WebAssembly entalix-calc answers every call byte for byte as the native one")
