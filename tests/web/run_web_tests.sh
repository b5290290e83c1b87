#!/usr/bin/env bash
# Builds entalix.html, then runs entalix-calc under node against the native one
# (byte for byte) and drives the page in Debian's chromium.
#   tests/web/run_web_tests.sh <native build dir, default build/dev>
# puppeteer-core comes from npm at the version the lock file pins; it never
# downloads a browser (Debian's chromium is driven).
set -euo pipefail
cd "$(dirname "$0")/../.."
native=${1:-build/dev}/cli/entalix-calc
[ -x "$native" ] || { echo "run_web_tests.sh: build $native first" >&2; exit 1; }

step() { echo "== $1: $(($(date +%s) - $2)) s"; }

t=$(date +%s)
bash tools/build_web.sh
step "build entalix.html" "$t"

t=$(date +%s)
python3 tests/web/calc_node_test.py "$native" build/web/cli/entalix-calc.js
step "entalix-calc under node" "$t"

command -v npm >/dev/null || { echo "run_web_tests.sh: npm is missing (apt-get install npm)" >&2; exit 1; }
t=$(date +%s)
export PUPPETEER_SKIP_DOWNLOAD=1 PUPPETEER_SKIP_CHROMIUM_DOWNLOAD=1
(cd tests/web && npm ci --no-audit --no-fund --ignore-scripts --loglevel=error)
step "npm ci (puppeteer-core)" "$t"

t=$(date +%s)
node tests/web/page_test.mjs build/web/web/entalix.html "$native" build/web/screenshots
step "the page in chromium" "$t"
