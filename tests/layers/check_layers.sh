#!/usr/bin/env bash
# Fails when a layer includes a header of a layer above it, or of a neighbour on
# its own level. From the bottom up:
#   0  base                               what both formulations share: the property error
#   1  ifc67, if97                        the two formulations of water and steam, peers
#      transport                          viscosity, thermal conductivity and surface tension of a state
#                                         the formulation hands over, a peer of the two
#   2  props                              the water and steam a press is handed, either formulation
#   3  shell                              numbers, screen descriptions, messages
#   4  steamcalc, equipment, estimators   the calculations, independent of each other
#      charts                             the h-s and T-s charts of water and steam
#   5  catalog                            every screen by its id
#   6  cli, ui, win32                     the programs and window hosts
#   7  dll, web                           entalix-calc's functions for spreadsheets; the browser page's host
# No neighbours may include each other, the two formulations included. A
# formulation, and the transport properties beside them, are private to props,
# the facade above them: nothing else includes ifc67/, if97/ or transport/. A
# layer includes nothing of tests/, bench/, fuzz/ or any other folder of the tree.
#   tests/layers/check_layers.sh [source root]     check a tree (default: this one)
#   tests/layers/check_layers.sh --self-test       check that planted faults are found
set -euo pipefail

declare -A level=([base]=0 [ifc67]=1 [if97]=1 [transport]=1 [props]=2 [shell]=3 [steamcalc]=4 [equipment]=4 [estimators]=4 [charts]=4
                  [catalog]=5 [cli]=6 [ui]=6 [win32]=6
                  [dll]=7 [web]=7)
# The layer that alone may include a formulation or the transport properties.
facade=props

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
                    if ((level[$target] == 1)) && [ "$layer" != "$facade" ]; then
                        echo "${file#"$root"/}: $layer includes $target/, private to $facade/: $line"
                        fail=1
                    elif ((level[$target] >= level[$layer])); then
                        echo "${file#"$root"/}: $layer (level ${level[$layer]}) includes $target (level ${level[$target]}): $line"
                        fail=1
                    fi
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
        rm -rf "${tmp:?}/$1" && mkdir -p "$tmp/$1/$(dirname "$2")" "$tmp/$1/tests" "$tmp/$1/props" "$tmp/$1/if97" \
            "$tmp/$1/ifc67" "$tmp/$1/transport" "$tmp/$1/base"
        printf '%s\nint x;\n' "$3" >"$tmp/$1/$2"
    }
    # Each case: a tree, and whether the check must pass on it.
    plant down shell/numbers.cpp '#include "props/water_steam.h"'
    plant facade props/if97_water_steam.cpp '#include "if97/state.h"'
    plant shared if97/gibbs.h '#include "base/property_error.h"'
    plant transport props/if97_water_steam.cpp '#include "transport/transport.h"'
    plant shared_far steamcalc/a.cpp '#include "base/property_error.h"'
    plant own steamcalc/a.cpp '#include "steamcalc/b.h"'
    plant system ui/a.cpp '#include <QWidget>'
    plant cycle if97/state.cpp '#include "props/water_steam.h"'
    plant past_facade cli/calls.cpp '#include "if97/region2.h"'
    plant past_facade_near steamcalc/direct_state.cpp '#include "ifc67/steam.h"'
    plant peers ifc67/steam.cpp '#include "if97/region1.h"'
    plant peers_back if97/region1.cpp '  #  include <ifc67/units.h>'
    plant transport_peer transport/conductivity.cpp '#include "if97/regions.h"'
    plant transport_past_facade equipment/pipe.cpp '#include "transport/transport.h"'
    plant base_up base/property_error.h '#include "props/validity.h"'
    plant up shell/numbers.cpp '#include "catalog/catalog.h"'
    plant up_far props/validity.h '  #  include <ui/qt_host.h>'
    plant neighbour equipment/pipe.cpp '#include "steamcalc/press.h"'
    plant host cli/main.cpp '#include "ui/app_icon.h"'
    plant web_host web/api.cpp '#include "cli/batch.h"'
    plant below_web shell/screen.cpp '#include "web/session.h"'
    plant not_a_layer catalog/c.cpp '#include "tests/support/invariants.h"'
    for name in down facade shared transport shared_far own system web_host; do
        check "$tmp/$name" >/dev/null || { echo "self-test: a sound tree ($name) was refused"; bad=1; }
    done
    for name in cycle past_facade past_facade_near peers peers_back transport_peer transport_past_facade base_up up up_far neighbour host below_web not_a_layer; do
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
