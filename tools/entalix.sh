#!/usr/bin/env bash
# Developer commands of Entalix. Each installs the Debian packages it misses first.
#   tools/entalix.sh run    build and start the desktop application
#   tools/entalix.sh test   build and run every test, plain and under the sanitizers,
#                           the application's tests against Qt 5 too, check the
#                           Debian packages (Qt 6 and Qt 5), cross-build for Windows
#                           and run the Windows programs under wine, build the
#                           browser page and test it under node and in chromium
#   tools/entalix.sh fuzz [seconds]   run every fuzz target for a while (default 60 s each)
#   tools/entalix.sh format           apply the project's clang-format style to every C++ file
set -euo pipefail
cd "$(dirname "$0")/.."

PACKAGES=(
    build-essential cmake pkg-config git clang-format
    qt6-base-dev qtbase5-dev libgl-dev qt6-translations-l10n qttranslations5-l10n
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libfast-float-dev
    clang libclang-rt-14-dev dpkg-dev
    librsvg2-bin lintian appstream file
    fonts-arphic-uming fonts-noto-cjk
    xvfb xauth
    python3-iapws
    # Windows: the cross compilers, the icon from the SVG, the guide as HTML, and
    # wine to run the programs (wine64 the 64-bit loader, wine32 from Debian's
    # i386 architecture the 32-bit one, wine the command).
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix imagemagick python3-markdown
    wine wine64 wine32:i386
    # The browser page: the core in WebAssembly, node and chromium to test it
    # (npm comes with this machine's nodejs; Debian's own nodejs needs npm beside it).
    emscripten node-acorn nodejs chromium
)

install_missing() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    # A package of another architecture needs it added once, before the package lists are read.
    if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
        $sudo dpkg --add-architecture i386
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
}

jobs() { nproc 2>/dev/null || echo 2; }

build() {  # build <preset>
    cmake --preset "$1"
    cmake --build --preset "$1" -j"$(jobs)"
}

case "${1:-}" in
    run)
        install_missing
        build dev
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
            echo "No display found: starting Entalix on a virtual X display (xvfb-run)."
            exec xvfb-run -a ./build/dev/ui/entalix
        fi
        exec ./build/dev/ui/entalix
        ;;
    test)
        install_missing
        build dev
        ctest --preset dev -j"$(jobs)"
        # The application and its ui tests against Qt 5.15 (the core is the same).
        build dev-qt5
        ctest --preset dev-qt5 -j"$(jobs)"
        build asan
        ctest --preset asan -j"$(jobs)"
        # entalix.html: built, run under node against entalix-calc, driven in
        # chromium; before the packages, which carry it.
        bash tests/web/run_web_tests.sh build/dev
        bash tests/package/check_deb.sh build/dev
        bash tests/package/check_deb.sh build/dev-qt5
        bash tests/windows/cross_check.sh
        # One style for every file (tools/entalix.sh format applies it).
        git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror --style=file
        echo "format ok"
        ;;
    format)
        git ls-files '*.cpp' '*.h' | xargs clang-format -i --style=file
        ;;
    fuzz)
        install_missing
        build fuzz
        seconds=${2:-60}
        for target in build/fuzz/fuzz/fuzz_*; do
            name=$(basename "$target")
            mkdir -p "build/fuzz/corpus/$name"
            echo "== $name, $seconds s"
            "$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
                "build/fuzz/corpus/$name" "fuzz/corpus/$name" 2>&1 | grep -E '^(stat::number_of_executed_units|Done|==)|ERROR|SUMMARY' || true
            [ "${PIPESTATUS[0]}" -eq 0 ] || { echo "$name found a fault; the input is in ./crash-*"; exit 1; }
        done
        ;;
    *)
        echo "usage: tools/entalix.sh run|test|fuzz [seconds]|format" >&2
        exit 2
        ;;
esac
