#!/usr/bin/env bash
# Fails when a layer includes a header of a layer above it, or of a neighbour on
# its own level. From the bottom up:
#   0  props, if97                        the water and steam formulations
#   1  shell                              numbers, screen descriptions, messages
#   2  steamcalc, equipment, estimators   the calculations, independent of each other
#   3  catalog                            every screen by its id
#   4  cli, ui, win32                     the programs and window hosts
# The two formulations may use each other; no other neighbours may. A layer
# includes nothing of tests/, bench/, fuzz/ or any other folder of the tree.
#   tests/layers/check_layers.sh [source root]     check a tree (default: this one)
#   tests/layers/check_layers.sh --self-test       check that planted faults are found
set -euo pipefail

declare -A level=([props]=0 [if97]=0 [shell]=1 [steamcalc]=2 [equipment]=2 [estimators]=2
                  [catalog]=3 [cli]=4 [ui]=4 [win32]=4)

check() {  # check <root>: prints each fault, returns 1 if any
    local root=$1 fail=0 layer file line target
    for layer in "${!level[@]}"; do
        [ -d "$root/$layer" ] || continue
        while IFS= read -r -d '' file; do
            while IFS= read -r line; do
                [[ $line =~ ^[[:space:]]*#[[:space:]]*include[[:space:]]*[\"\<]([A-Za-z0-9_.-]+)/ ]] || continue
                target=${BASH_REMATCH[1]}
                [ "$target" = "$layer" ] && continue
                if [ -n "${level[$target]+set}" ]; then
                    if ((level[$target] < level[$layer])); then continue; fi
                    if ((level[$target] == 0 && level[$layer] == 0)); then continue; fi
                    echo "${file#"$root"/}: $layer (level ${level[$layer]}) includes $target (level ${level[$target]}): $line"
                    fail=1
                elif [ -d "$root/$target" ]; then
                    echo "${file#"$root"/}: the layer $layer includes $target/, which is no layer: $line"
                    fail=1
                fi
            done <"$file"
        done < <(find "$root/$layer" -type f \( -name '*.h' -o -name '*.hpp' -o -name '*.cpp' \) -print0)
    done
    return $fail
}

self_test() {
    local tmp bad=0
    tmp=$(mktemp -d)
    trap 'rm -rf "$tmp"' RETURN
    plant() {  # plant <case> <file> <include line>: a tree of empty layers plus one file
        rm -rf "${tmp:?}/$1" && mkdir -p "$tmp/$1/$(dirname "$2")" "$tmp/$1/tests" "$tmp/$1/props" "$tmp/$1/if97"
        printf '%s\nint x;\n' "$3" >"$tmp/$1/$2"
    }
    # Each case: a tree, and whether the check must pass on it.
    plant down shell/numbers.cpp '#include "props/steam.h"'
    plant formulations props/steam.cpp '#include "if97/region1.h"'
    plant own steamcalc/a.cpp '#include "steamcalc/b.h"'
    plant system ui/a.cpp '#include <QWidget>'
    plant up shell/numbers.cpp '#include "catalog/catalog.h"'
    plant up_far props/steam.h '  #  include <ui/qt_host.h>'
    plant neighbour equipment/pipe.cpp '#include "steamcalc/press.h"'
    plant host cli/main.cpp '#include "ui/app_icon.h"'
    plant not_a_layer catalog/c.cpp '#include "tests/support/invariants.h"'
    for name in down formulations own system; do
        check "$tmp/$name" >/dev/null || { echo "self-test: a sound tree ($name) was refused"; bad=1; }
    done
    for name in up up_far neighbour host not_a_layer; do
        ! check "$tmp/$name" >/dev/null || { echo "self-test: the fault '$name' went unnoticed"; bad=1; }
    done
    [ $bad -eq 0 ] && echo "layer check self-test ok"
    return $bad
}

if [ "${1:-}" = "--self-test" ]; then
    self_test
else
    root=${1:-"$(cd "$(dirname "$0")/../.." && pwd)"}
    check "$root" && echo "layers ok: every include points down"
fi
