#!/usr/bin/env bash
# Cross-builds the Qt-free core and entalix-calc for Windows with mingw-w64 and,
# where wine is installed, runs the result.
set -euo pipefail
cd "$(dirname "$0")/../.."
if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    echo "skipped: the mingw-w64 cross compiler is not installed"
    exit 0
fi
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc 2>/dev/null || echo 2)" >/dev/null
exe=build/windows/cli/entalix-calc.exe
[ -f "$exe" ] || { echo "no $exe"; exit 1; }
wine=$(command -v wine64 || command -v wine || true)
if [ -z "$wine" ]; then
    echo "cross-built $exe; skipped running it: wine is not installed"
    exit 0
fi
prefix=$(mktemp -d)
trap 'command -v wineserver >/dev/null && WINEPREFIX="$prefix" wineserver -k; rm -rf "$prefix"' EXIT
export WINEDEBUG=-all WINEPREFIX="$prefix"
got=$("$wine" "$exe" pswsat_t 1 | tr -d '\r')
case "$got" in
    179.8847*) echo "entalix-calc.exe under wine: pswsat_t 1 = $got" ;;
    *) echo "entalix-calc.exe under wine gave: $got"; exit 1 ;;
esac
got=$(printf '{"screen":"Form8","event":"Command2_Click","fields":{"Text2":"1"}}\n' | "$wine" "$exe" --batch | tr -d '\r')
[ "$got" = '{"texts":{"Text1":"183.9991"}}' ] || { echo "batch under wine gave: $got"; exit 1; }
