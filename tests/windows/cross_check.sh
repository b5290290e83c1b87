#!/usr/bin/env bash
# Cross-builds entalix.exe, its self-test entalix-selftest.exe, entalix-calc.exe
# and entalix.dll for 64-bit and 32-bit Windows, checks that they import only
# Windows' own DLLs and that entalix.exe stays small, and, where wine is
# installed, runs the 64-bit and the 32-bit programs on a virtual X display
# against the Linux build:
#   - entalix-calc.exe on the calls of calc_calls.txt and on batch_requests.jsonl:
#     standard output, standard error and exit status equal byte for byte;
#   - entalix.dll, loaded by entalix-dll-caller.exe, on the function calls of
#     calc_calls.txt: each value, failure and warning as entalix-calc writes it;
#   - entalix-selftest.exe on screen_steps.txt, through the windows of
#     entalix.exe: every press shows what the
#     Linux entalix-calc writes for the same event, a result copied lands on
#     the clipboard, Enter and Esc do what they promise; the atmospheric pressure
#     typed last, the formulation chosen and each screen's last inputs are
#     remembered in entalix.ini for the next starts;
#   - a screenshot of every screen, as PNG, in build/windows/screens/ (32-bit:
#     build/windows32/screens/).
#   - the portable zips, when the tree has its LICENSE: entalix.exe without the self-test.
# The 32-bit programs run in the same 64-bit wine prefix through Debian's wine32
# (the i386 architecture, which tools/entalix.sh installs); without it they are
# built and inspected only.
set -euo pipefail
cd "$(dirname "$0")/../.."
here=tests/windows

if [ "${1:-}" = "--under-display" ]; then
    shift
    native=$1
    work=$(mktemp -d)
    export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
    wine32_present() { dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; }
    winpath() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }
    failures=0
    differ() {  # differ <what> <expected file> <got file>
        if ! cmp -s "$2" "$3"; then
            echo "FAILED: $1 differs from the Linux build:"
            diff -u "$2" "$3" | head -40 || true
            failures=$((failures + 1))
        fi
    }

    start=$SECONDS
    mkdir -p "$WINEPREFIX"
    wineserver -p  # one server, kept for every run below
    wineboot --init >/dev/null 2>&1 || true  # a 64-bit prefix: wine32 runs the 32-bit programs in it
    # SimSun is not on Linux: the Chinese Song face of Debian's fonts-arphic-uming stands in.
    for face in SimSun 宋体 NSimSun; do
        wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d "AR PL UMing CN" /f >/dev/null 2>&1
    done
    # No window manager on the virtual display: wine manages and paints the frames
    # itself (the screenshots show the captions) and waits for no one when a screen hides.
    for option in Managed Decorated; do
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v "$option" /d N /f >/dev/null 2>&1
    done
    echo "wine prefix ready in $((SECONDS - start)) s"

    # The programs of one build folder against the Linux entalix-calc.
    check_calc() {  # check_calc <build folder>
        local exes=$1 arch line args status n start
        arch=$(basename "$1")
        start=$SECONDS
        mkdir -p "$work/calc-$arch"
        n=0
        while read -r line; do
            [[ -z $line || $line == \#* ]] && continue
            n=$((n + 1))
            read -ra args <<<"$line"
            status=0
            "$native" "${args[@]}" >"$work/calc-$arch/want.out" 2>"$work/calc-$arch/want.err" || status=$?
            echo "status $status" >>"$work/calc-$arch/want.out"
            status=0
            wine "$exes/cli/entalix-calc.exe" "${args[@]}" >"$work/calc-$arch/got.out" 2>"$work/calc-$arch/got.err" || status=$?
            echo "status $status" >>"$work/calc-$arch/got.out"
            differ "$exes/cli/entalix-calc.exe $line (stdout)" "$work/calc-$arch/want.out" "$work/calc-$arch/got.out"
            differ "$exes/cli/entalix-calc.exe $line (stderr)" "$work/calc-$arch/want.err" "$work/calc-$arch/got.err"
        done <"$here/calc_calls.txt"
        "$native" --batch <"$here/batch_requests.jsonl" >"$work/calc-$arch/want.batch"
        wine "$exes/cli/entalix-calc.exe" --batch <"$here/batch_requests.jsonl" >"$work/calc-$arch/got.batch"
        differ "$exes/cli/entalix-calc.exe --batch" "$work/calc-$arch/want.batch" "$work/calc-$arch/got.batch"
        echo "$exes/cli/entalix-calc.exe: $n calls and a batch compared in $((SECONDS - start)) s"
        "$native" --version | sed 's/^entalix-calc /entalix /' >"$work/want.version"
        wine "$exes/win32/entalix.exe" --version >"$work/got.version" || true
        differ "$exes/win32/entalix.exe --version" "$work/want.version" "$work/got.version"
    }

    # entalix.dll through the test caller, on the function calls of calc_calls.txt:
    # what it prints of each call equals what the Linux entalix-calc writes.
    check_dll() {  # check_dll <build folder>
        local exes=$1 arch line args status start
        arch=$(basename "$1")
        start=$SECONDS
        while read -r line; do
            [[ $line == psw* ]] || continue
            read -ra args <<<"$line"
            echo "> $line"
            status=0
            "$native" "${args[@]}" >"$work/dll.out" 2>"$work/dll.err" || status=$?
            cat "$work/dll.out" "$work/dll.err"
            echo "status $status"
        done <"$here/calc_calls.txt" >"$work/want-$arch.dll"
        status=0
        wine "$exes/dll/entalix-dll-caller.exe" "$(winpath "$exes/dll/entalix.dll")" "$(winpath "$here/calc_calls.txt")" \
            >"$work/got-$arch.dll" || status=$?
        [ "$status" -eq 0 ] || { echo "FAILED: $exes/dll/entalix-dll-caller.exe ended with status $status"; failures=$((failures + 1)); }
        differ "$exes/dll/entalix.dll" "$work/want-$arch.dll" "$work/got-$arch.dll"
        echo "$exes/dll/entalix.dll: $(grep -c '^> ' "$work/got-$arch.dll") calls compared in $((SECONDS - start)) s"
    }

    start=$SECONDS
    {
        echo "atmospheric pressure: (default)"
        echo "formulation: IFC-67"
        formulation=IFC-67  # what the main menu's combo box was set to last
        while read -r line; do
            [[ -z $line || $line == \#* ]] && continue
            # What the step before must show, word for word.
            if [[ $line == "= "* ]]; then
                echo "${line#= }"
                continue
            fi
            echo "> $line"
            read -ra t <<<"$line"
            if [ ${#t[@]} -eq 1 ]; then
                echo "shown: ${t[0]}"
            elif [ "${t[1]}" = escape ] || [ "${t[1]}" = close ] || [ "${t[1]}" = ctrl+q ]; then
                if [ "${t[2]}" = ended ]; then echo ended; else echo "shown: ${t[2]}"; fi
            elif [ "${t[1]}" = copy ]; then
                echo "copied: ${t[3]}"
            elif [ "${t[1]}" = choose ]; then
                formulation=${t[3]}
                echo "chosen: $formulation"
            elif [ "${t[1]}" = shows ]; then
                echo "${t[0]}.${t[2]}=${t[3]:-}"
            elif [ "${t[1]}" = copyall ] || [ "${t[1]}" = type ] || [ "${t[1]}" = menu ] ||
                [ "${t[1]}" = pastecell ]; then
                :
            elif [ "${t[1]}" = save ]; then
                echo "saved: PNG and SVG"
            elif [ "${t[1]}" = greyed ]; then
                echo "${t[0]}.${t[2]} greyed: ${t[3]}"
            elif [ "${t[1]}" = tooltip ]; then
                echo "tooltip ${t[2]} has ${t[3]}"
            elif [ "${t[1]}" = help ]; then
                echo "guide: ${t[2]}"
            elif [ "${t[1]}" = section ]; then
                echo "section: ${t[2]}"
            elif [ "${t[1]}" = size ]; then
                :  # the scale it gives follows on a line of its own
            elif [ "${t[1]}" = helpbutton ]; then
                printf '%s\n' '? clear' "guide: ${t[2]}"
            elif [ "${t[1]}" = helpbuttons ]; then
                echo "? clear on 20 screens"
            elif [ "${t[1]}" = move ]; then
                :
            elif [ "${t[1]}" = at ]; then
                echo "${t[0]} at ${t[2]}"
            elif [ "${t[1]}" = onscreen ]; then
                echo "${t[0]} wholly on its monitor: yes"
            elif [ "${t[1]}" = title ]; then
                echo "title: ${t[*]:2}"
            else
                args=(--formulation "$formulation")
                for token in "${t[@]}"; do [[ $token == enter@* ]] || args+=("$token"); done
                # A failed press prints nothing but its message on standard error;
                # a press that succeeds with a warning prints the warning there.
                status=0
                "$native" "${args[@]}" >"$work/press.out" 2>"$work/press.err" || status=$?
                cat "$work/press.out"
                if [ -s "$work/press.err" ]; then
                    if [ "$status" -eq 0 ]; then echo "warning: $(cat "$work/press.err")"; else echo "error: $(cat "$work/press.err")"; fi
                fi
            fi
        done <"$here/screen_steps.txt"
        for field in Form2.dqyz Form5.Text7 Form6.Text9 Form7.Text9 Form8.Text7 Form12.Text7 Form16.Text7 Form17.Text7 Form18.Text7 Form19.Text7 Form20.Text7; do
            echo "$field=0.1013"
        done
    } >"$work/want.steps"

    check_selftest() {  # check_selftest <build folder>
        local exes=$1 arch status steps shots saved bmp start
        arch=$(basename "$1")
        start=$SECONDS
        # A copy in a folder of its own, where it keeps its entalix.ini.
        mkdir -p "$work/app-$arch" "$exes/screens"
        cp "$exes/win32/entalix-selftest.exe" "$work/app-$arch/"
        rm -f "$exes"/screens/*.bmp "$exes"/screens/*.png
        status=0
        wine "$work/app-$arch/entalix-selftest.exe" "$(winpath "$here/screen_steps.txt")" "$(winpath "$work")\\got-$arch.steps" \
            --screenshot "$(winpath "$exes/screens")" || status=$?
        [ -f "$work/got-$arch.steps" ] || { echo "FAILED: $exes/win32/entalix-selftest.exe wrote no report (status $status)"; exit 1; }
        [ "$status" -eq 0 ] || { echo "FAILED: $exes/win32/entalix-selftest.exe ended with status $status"; failures=$((failures + 1)); }
        differ "$exes/win32/entalix-selftest.exe" "$work/want.steps" "$work/got-$arch.steps"
        steps=$(grep -c '^> ' "$work/got-$arch.steps")
        echo "$exes/win32/entalix-selftest.exe: $steps steps through the windows in $((SECONDS - start)) s"

        # The next start remembers the atmospheric pressure, the formulation, each
        # screen's last inputs and ticks and where the main menu stood. A screen made at the
        # start takes the formulation's ranges in its tooltips. An atmospheric
        # pressure left empty stands on every screen but is not kept for the start
        # after; "恢复默认" in its right-click menu brings 0.0983 back everywhere, kept.
        restart() {  # restart <name>: steps in $work/<name>.txt, expected report in $work/want.<name>
            wine "$work/app-$arch/entalix-selftest.exe" "$(winpath "$work/$1.txt")" "$(winpath "$work")\\got-$arch.$1" || true
            touch "$work/got-$arch.$1"
            differ "$exes/win32/entalix-selftest.exe restarted ($1, entalix.ini beside it)" "$work/want.$1" "$work/got-$arch.$1"
        }
        printf '%s\n' 'Form1 at 40,60' 'Form8 tooltip Text1 373.946' 'Form14 shows Text5 60' 'Form9 shows Text1 １０．５' \
            Form12 'Form12 shows Check6 1' 'Form12 shows Check1 0' 'Form12 type Text7' 'Form8 copy Text2' 'Form8 menu Text7 恢复默认' 'Form12 shows Text7 0.0983' \
            'Form8 type Text7' 'Form1 close ended' >"$work/again.txt"
        printf '%s\n' 'atmospheric pressure: 0.1013' 'formulation: IAPWS-IF97' '> Form1 at 40,60' 'Form1 at 40,60' \
            '> Form8 tooltip Text1 373.946' 'tooltip Text1 has 373.946' '> Form14 shows Text5 60' Form14.Text5=60 \
            '> Form9 shows Text1 １０．５' Form9.Text1=１０．５ '> Form12' 'shown: Form12' \
            '> Form12 shows Check6 1' Form12.Check6=1 '> Form12 shows Check1 0' Form12.Check1=0 '> Form12 type Text7' \
            '> Form8 copy Text2' 'copied: 12.2460' '> Form8 menu Text7 恢复默认' \
            'menu: 撤销 (grey), 剪切 (grey), 复制 (grey), 粘贴, 删除 (grey), 全选 (grey), 复制全部结果 (grey), 恢复默认' \
            '> Form12 shows Text7 0.0983' Form12.Text7=0.0983 '> Form8 type Text7' '> Form1 close ended' ended \
            Form8.Text7= Form12.Text7= >"$work/want.again"
        restart again
        # "恢复默认" was kept, the empty field after it was not.
        printf '%s\n' 'Form9 shows Text1 １０．５' 'Form1 close ended' >"$work/third.txt"
        printf '%s\n' 'atmospheric pressure: 0.0983' 'formulation: IAPWS-IF97' \
            '> Form9 shows Text1 １０．５' Form9.Text1=１０．５ '> Form1 close ended' ended >"$work/want.third"
        restart third

        shots=0
        for bmp in "$exes"/screens/*.bmp; do
            [ -f "$bmp" ] || continue
            convert "$bmp" "${bmp%.bmp}.png" && rm "$bmp"
            shots=$((shots + 1))
        done
        [ "$shots" -eq 20 ] || { echo "FAILED: $shots screenshots instead of 20 from $exes"; failures=$((failures + 1)); }
        echo "screenshots: $shots in $exes/screens/"
        # The chart as the Windows program saves it, read by ImageMagick's own PNG decoder.
        saved=$(identify -format '%m %wx%h' "$exes/screens/Form19-saved.png" 2>&1) || true
        [ "$saved" = "PNG 1440x1080" ] || { echo "FAILED: the chart $exes saved reads as: $saved"; failures=$((failures + 1)); }
    }

    for exes in build/windows build/windows32; do
        if [ "$exes" = build/windows32 ] && ! wine32_present; then
            echo "skipped running the 32-bit programs: wine32 (i386) is not installed"
            continue
        fi
        check_calc "$exes"
        check_dll "$exes"
        check_selftest "$exes"
    done
    [ "$failures" -eq 0 ] || exit 1
    echo "wine checks passed"
    exit 0
fi

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
    echo "skipped: the mingw-w64 cross compiler is not installed"
    exit 0
fi
jobs=$(nproc 2>/dev/null || echo 2)
post_windows7='GetSystemTimePreciseAsFileTime|GetDpiFor(Window|System|Monitor)|AdjustWindowRectExForDpi'
post_windows7+='|SetProcessDpiAwareness(Context)?|EnableNonClientDpiScaling|GetSystemMetricsForDpi|SetThreadDescription'
post_windows7+='|CreateFile2|WaitOnAddress|WakeByAddress(Single|All)|GetCurrentThreadStackLimits|PathCch[A-Za-z]+'
# Both builds first: each portable zip carries the spreadsheet DLLs of both.
for preset in windows windows32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j"$jobs" >/dev/null
done
# What Entalix.bas declares of entalix.dll, each name once.
declared=$(sed -n 's/.*Lib "entalix.dll" Alias "\([A-Za-z0-9_]*\)".*/\1/p' dll/Entalix.bas | sort -u)
for preset in windows windows32; do
    dir=build/$preset
    # entalix.dll exports by their plain names exactly what the module declares.
    exported=$(x86_64-w64-mingw32-objdump -p "$dir/dll/entalix.dll" |
        sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p' | sort)
    [ "$exported" = "$declared" ] || {
        echo "FAILED: $dir/dll/entalix.dll exports other names than dll/Entalix.bas declares:"
        diff <(echo "$declared") <(echo "$exported") || true
        exit 1
    }
    for exe in "$dir/win32/entalix.exe" "$dir/win32/entalix-selftest.exe" "$dir/cli/entalix-calc.exe" "$dir/dll/entalix.dll"; do
        [ -f "$exe" ] || { echo "no $exe"; exit 1; }
        # Statically linked: nothing but Windows' own DLLs.
        imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '\n' ' ')
        for dll in $imports; do
            case "${dll^^}" in
                KERNEL32.DLL | USER32.DLL | GDI32.DLL | COMCTL32.DLL | COMDLG32.DLL | SHELL32.DLL | SHLWAPI.DLL | ADVAPI32.DLL | MSVCRT.DLL) ;;
                *) echo "FAILED: $exe imports $dll"; exit 1 ;;
            esac
        done
        # Nothing that Windows 7 lacks (it would refuse to start the program):
        # such functions are looked up at run time instead.
        newer=$(x86_64-w64-mingw32-objdump -p "$exe" | grep -owE "$post_windows7" || true)
        [ -z "$newer" ] || { echo "FAILED: $exe imports functions Windows 7 lacks: $newer"; exit 1; }
        echo "$exe: $(stat -c %s "$exe") bytes, imports $imports"
    done
    size=$(stat -c %s "$dir/win32/entalix.exe")
    [ "$size" -le $((4 * 1024 * 1024)) ] || { echo "FAILED: $dir/win32/entalix.exe is $size bytes, over 4 MB"; exit 1; }
    # The portable zip, once the tree has its licence.
    if [ -f LICENSE ]; then
        cmake --build --preset "$preset" --target package >/dev/null
        zip=$(ls "$dir"/entalix-*-win*.zip)
        listing=$(cmake -E tar tf "$zip")
        for entry in entalix.exe entalix-calc.exe user-guide.html images/Form1.png LICENSE.txt Entalix.bas \
            x64/entalix.dll x86/entalix.dll; do
            grep -q "^entalix-[^/]*/$entry\$" <<<"$listing" || { echo "FAILED: $zip has no $entry"; exit 1; }
        done
        ! grep -q "entalix-selftest" <<<"$listing" || { echo "FAILED: $zip carries the self-test"; exit 1; }
        echo "$zip: $(stat -c %s "$zip") bytes, $(wc -l <<<"$listing") entries"
    else
        echo "no zip for $preset: LICENSE is not in the tree yet"
    fi
done

if ! command -v wine >/dev/null; then
    echo "cross-built; skipped running them: wine is not installed"
    exit 0
fi
# The Linux entalix-calc that says what the Windows programs must show.
native=build/dev/cli/entalix-calc
if [ ! -x "$native" ]; then
    cmake --preset core-only >/dev/null
    cmake --build build/core-only --target entalix-calc -j"$jobs" >/dev/null
    native=build/core-only/cli/entalix-calc
fi
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --under-display "$(realpath "$native")"
