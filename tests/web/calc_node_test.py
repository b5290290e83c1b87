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
                if a == b:
                    continue
                if isinstance(a, bytes):  # the first line that differs
                    lines_a, lines_b = a.decode(errors="replace").split("\n"), b.decode(errors="replace").split("\n")
                    k = next((i for i, (x, y) in enumerate(zip(lines_a, lines_b)) if x != y), min(len(lines_a), len(lines_b)))
                    a = lines_a[k] if k < len(lines_a) else "(ended)"
                    b = lines_b[k] if k < len(lines_b) else "(ended)"
                    name += f" line {k + 1}"
                print(f"  {name}: native {str(a)[:400]}\n  {name}: node   {str(b)[:400]}")


listing = json.loads(run([native], ["--list"])[1])
compare(["--list"])
compare(["--help"])
compare(["--version"])
compare(["no_such_function", "1"])
compare(["pswsat_t", "1"])
compare(["pswh_ptwtr", "60", "450"])  # a warning on standard error
compare(["Form8", "Command1_Click", "Text1=1e999"])
compare(["Form8", "Command2_Click", "Text2=1", "--formulation", "IAPWS-IF97"])

# Every calculation event in both formulations: its defaults, a typing slip,
# a number beyond a double and a number with blanks and an exponent in its
# first field; as batch requests, one node start for them all.
requests = []
for event in listing["events"]:
    fields = [f["name"] for f in event["fields"] if f.get("role") in ("input", "atmospheric")]
    variants = [{}]
    if fields:
        variants += [{fields[0]: "abc"}, {fields[0]: "1e999"}, {fields[0]: " 2.5E1 "}]
    for formulation in FORMULATIONS:
        for given in variants:
            requests.append(json.dumps({"screen": event["screen"], "event": event["event"], "fields": given,
                                        "formulation": formulation, "id": len(requests)}, ensure_ascii=False))
compare("--batch".split(), "\n".join(requests) + "\n")

# Every property function over a grid of arguments, as one batch in each formulation.
GRID = [0.0006, 0.1, 1, 3, 10, 22, 100, 374, 540, 800, -1, 1e300]
lines = []
for f in listing["functions"]:
    n = len(f["arguments"])
    for args in itertools.islice(itertools.product(GRID, repeat=n), 200):
        lines.append(json.dumps({"call": f["name"], "args": list(args), "id": len(lines)}))
lines += ["not json", '{"call": "pswsat_t", "args": ["1"]}', '{"call": "pswsat_t", "args": [1], "formulation": "IAPWS-IF97"}']
batch = "\n".join(lines) + "\n"
for formulation in FORMULATIONS:
    compare(["--batch", "--formulation", formulation], batch)

compare(["--csv", "pswh_ptstm"], "p,t\n1,200\n10,600\n0.1,99\nabc,1\n22,400\n")
compare(["--csv", "Form8", "Command2_Click", "--bom"], "Text2\n1\n2.5\n-1\n")
for f in listing["functions"][:4]:
    compare(["--compare", f["name"]] + ["1"] * len(f["arguments"]))
compare(["--chart", "hs", "p=1", "t=300"])
compare(["--chart", "ts", "--full", "--process", "p=10", "t=500", "p=0.01", "x=0.9"])

print(f"{calls} runs, {len(requests)} screen events, {len(lines)} function calls a formulation; "
      f"native {seconds['native']:.1f} s, node {seconds['node']:.1f} s")
if failures:
    print(f"{failures} runs differ between the native and the WebAssembly entalix-calc")
    sys.exit(1)
print("the WebAssembly entalix-calc answers byte for byte as the native one")
