#!/usr/bin/env bash
# Builds the browser page, build/web/web/entalix.html (one file, no server),
# and entalix-calc for node (build/web/cli/entalix-calc.js), with Debian's emscripten.
set -euo pipefail
cd "$(dirname "$0")/.."
# Debian's emscripten ships its system libraries prebuilt in a frozen cache
# (the package's own, read only): nothing is built into it or fetched, so every
# machine with the same package builds the same page.
command -v emcmake >/dev/null || { echo "build_web.sh: emscripten is not installed (apt-get install emscripten)" >&2; exit 1; }
# Its JavaScript tools need Debian's node modules (acorn), which a node from
# elsewhere does not look for.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake --preset web >/dev/null
cmake --build build/web -j"$(nproc 2>/dev/null || echo 2)" --target entalix_page entalix-calc
size=$(stat -c %s build/web/web/entalix.html)
echo "build/web/web/entalix.html: $size bytes"
if [ "$size" -gt $((2500 * 1024)) ]; then
    echo "build_web.sh: entalix.html is larger than 2.5 MB" >&2
    exit 1
fi
