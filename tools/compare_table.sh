#!/usr/bin/env bash
# Prints the Markdown table of the user guide that shows how far IFC-67 and
# IAPWS-IF97 lie apart over typical plant states, computed by entalix-calc
# --compare itself.
#   tools/compare_table.sh [path of entalix-calc]   (default: build/dev/cli/entalix-calc)
set -euo pipefail
cd "$(dirname "$0")/.."
calc=${1:-build/dev/cli/entalix-calc}
[ -x "$calc" ] || { echo "entalix-calc not found at $calc: build it first (cmake --build --preset dev)" >&2; exit 2; }

# Pressure (MPa absolute) and a temperature typical of the steam at it (degC).
states=(
    "0.1 150"     # heating steam
    "1 250"       # process steam
    "3.5 435"     # main steam of a medium-pressure unit
    "9.8 540"     # high-pressure unit
    "16.7 538"    # subcritical unit
    "24.2 566"    # supercritical unit
    "31 600"      # ultra-supercritical unit
)

# compare FUNCTION ARGS...: "ifc if97 difference relative%" of one call, "—"
# where a formulation gives no number (its reason is on entalix-calc's line).
compare() {
    "$calc" --compare "$@" 2>/dev/null | awk -F'\t' '
        $1 == "IFC-67"      { ifc = ($2 ~ /^-?[0-9]/) ? $2 : "" }
        $1 == "IAPWS-IF97"  { if97 = ($2 ~ /^-?[0-9]/) ? $2 : "" }
        $1 == "差值"        { diff = $2 }
        $1 == "相对差值(%)" { rel = $2 }
        END { print (ifc == "" ? "—" : ifc), (if97 == "" ? "—" : if97), (diff == "" ? "—" : diff), (rel == "" ? "—" : rel) }'
}

fmt() {  # fmt FORMAT VALUE: the number formatted, or the dash as it is
    if [ "$2" = "—" ]; then printf '—'; else printf "$1" "$2"; fi
}

# Three narrow tables (enthalpy, specific volume, saturation temperature), so
# that the guide fits the width of its window.
h_rows=() v_rows=() s_rows=()
for state in "${states[@]}"; do
    read -r p t <<<"$state"
    read -r h1 h2 hd hr <<<"$(compare pswh_ptstm "$p" "$t")"
    read -r v1 v2 _ vr <<<"$(compare pswv_ptstm "$p" "$t")"
    read -r s1 s2 sd _ <<<"$(compare pswsat_t "$p")"
    # Above the critical pressure there is no saturation line; IFC-67's continued
    # equation still gives a number, with a warning, which the table leaves out.
    [ "$s2" = "—" ] && s1="—" && sd="—"
    h_rows+=("$(printf '| %s | %s | %s | %s | %s (%s %%) |' "$p" "$t" \
        "$(fmt %.2f "$h1")" "$(fmt %.2f "$h2")" "$(fmt %+.2f "$hd")" "$(fmt %+.3f "$hr")")")
    v_rows+=("$(printf '| %s | %s | %s | %s | %s %% |' "$p" "$t" \
        "$(fmt %.6f "$v1")" "$(fmt %.6f "$v2")" "$(fmt %+.3f "$vr")")")
    s_rows+=("$(printf '| %s | %s | %s | %s |' "$p" "$(fmt %.3f "$s1")" "$(fmt %.3f "$s2")" "$(fmt %+.3f "$sd")")")
done
echo "| p (MPa) | t (℃) | h IFC-67 (kJ/kg) | h IAPWS-IF97 (kJ/kg) | 之差 (kJ/kg) |"
echo "|---:|---:|---:|---:|---:|"
printf '%s\n' "${h_rows[@]}"
echo
echo "| p (MPa) | t (℃) | v IFC-67 (m³/kg) | v IAPWS-IF97 (m³/kg) | 之差 |"
echo "|---:|---:|---:|---:|---:|"
printf '%s\n' "${v_rows[@]}"
echo
echo "| p (MPa) | 饱和温度 IFC-67 (℃) | 饱和温度 IAPWS-IF97 (℃) | 之差 (K) |"
echo "|---:|---:|---:|---:|"
printf '%s\n' "${s_rows[@]}"
