#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks what it
# installs and what it depends on.   tests/package/check_deb.sh <build folder>
set -euo pipefail
build=${1:?usage: check_deb.sh <build folder>}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/entalix_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
depends=$(dpkg-deb -f "$deb" Depends)
fail=0
for path in ./usr/bin/entalix ./usr/bin/entalix-calc ./usr/share/applications/entalix.desktop \
            ./usr/share/icons/hicolor/scalable/apps/entalix.svg; do
    grep -qx -- "$path" <<<"$contents" || { echo "missing from the package: $path"; fail=1; }
done
if grep -qE '(test|bench|fuzz|screenshots)' <<<"$contents"; then
    echo "the package carries development programs:"; grep -E '(test|bench|fuzz|screenshots)' <<<"$contents"; fail=1
fi
for dep in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    grep -q "$dep" <<<"$depends" || { echo "missing dependency: $dep"; fail=1; }
done
grep -qE 'fonts-(arphic-uming|noto-cjk)' <<<"$depends" || { echo "missing dependency: a CJK font"; fail=1; }
desktop=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/applications/entalix.desktop)
grep -qx 'Name=Entalix' <<<"$desktop" || { echo "desktop entry without Name=Entalix"; fail=1; }
grep -q '^GenericName\[zh_CN\]=' <<<"$desktop" || { echo "desktop entry without a Chinese generic name"; fail=1; }
grep -qE '^Categories=.*Science;.*Engineering;' <<<"$desktop" || { echo "desktop entry outside Science/Engineering"; fail=1; }
[ $fail -eq 0 ] && echo "package ok: $(basename "$deb")"
exit $fail
