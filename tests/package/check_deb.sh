#!/usr/bin/env bash
# Builds the Debian packages from a configured build folder and checks what they
# install and depend on, then lets lintian and appstreamcli judge them: any
# error or warning of either fails.   tests/package/check_deb.sh <build folder>
set -euo pipefail
build=${1:?usage: check_deb.sh <build folder>}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.txt" 2>&1) || { cat "$out/cpack.txt"; exit 1; }
deb=$(ls "$out"/entalix_*.deb)
dbgsym=$(ls "$out"/entalix-dbgsym_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
symbols=$(dpkg-deb -c "$dbgsym" | awk '{print $6}')
depends=$(dpkg-deb -f "$deb" Depends)
version=$(dpkg-deb -f "$deb" Version)
qt=$(sed -n 's/^ENTALIX_QT_MAJOR:[A-Z]*=//p' "$build/CMakeCache.txt")
qt=${qt:-6}
fail=0
root="$out/root"
mkdir -p "$root"
dpkg-deb -x "$deb" "$root"

for path in ./usr/bin/entalix ./usr/bin/entalix-calc ./usr/share/applications/entalix.desktop \
            ./usr/share/metainfo/io.github.entalix.Entalix.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/entalix.svg \
            ./usr/share/man/man1/entalix.1.gz ./usr/share/man/man1/entalix-calc.1.gz \
            ./usr/share/man/zh_CN/man1/entalix.1.gz ./usr/share/man/zh_CN/man1/entalix-calc.1.gz \
            ./usr/share/doc/entalix/copyright ./usr/share/doc/entalix/changelog.Debian.gz \
            ./usr/share/doc/entalix/changelog.gz ./usr/share/doc/entalix/使用说明.md \
            ./usr/share/doc/entalix/images/Form1.png; do
    grep -qx -- "$path" <<<"$contents" || { echo "missing from the package: $path"; fail=1; }
done
for size in 16 24 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/entalix.png"
    if [ ! -f "$png" ]; then
        echo "missing icon: ${size}x${size}"; fail=1
    elif ! file "$png" | grep -q "PNG image data, $size x $size,"; then
        echo "icon of the wrong size: $(file "$png")"; fail=1
    fi
done
# Every picture the guide shows is installed beside it.
for picture in $(grep -oE '\]\(images/[^)]+\)' "$root/usr/share/doc/entalix/使用说明.md" | sed 's/^](//; s/)$//'); do
    [ -f "$root/usr/share/doc/entalix/$picture" ] || { echo "the guide shows $picture, which is not installed"; fail=1; }
done
if grep -qE '(test|bench|fuzz|screenshots)' <<<"$contents"; then
    echo "the package carries development programs:"; grep -E '(test|bench|fuzz|screenshots)' <<<"$contents"; fail=1
fi

# Stripped programs; their symbols in entalix-dbgsym under the programs' build ids.
for program in entalix entalix-calc; do
    file "$root/usr/bin/$program" | grep -q ', stripped' || { echo "$program is not stripped"; fail=1; }
    id=$(readelf --notes "$root/usr/bin/$program" | sed -n 's/.*Build ID: //p')
    grep -qx "./usr/lib/debug/.build-id/${id:0:2}/${id:2}.debug" <<<"$symbols" ||
        { echo "entalix-dbgsym lacks the symbols of $program (build id $id)"; fail=1; }
done

# Both programs name this version, the formulations and the licence, and succeed.
for program in entalix entalix-calc; do
    if ! said=$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --version); then
        echo "$program --version failed"; fail=1
    elif [[ $said != "$program ${version%-*}"$'\n'"formulations: IFC-67"*$'\n'"licence: MIT" ]]; then
        echo "$program --version says: $said"; fail=1
    fi
done

# The changelogs and the software-centre description name this version.
top=$(zcat "$root/usr/share/doc/entalix/changelog.Debian.gz" | head -1)
[[ $top == "entalix ($version) "* ]] || { echo "changelog.Debian.gz starts with '$top', not version $version"; fail=1; }
grep -q "^## \[${version%-*}\]" <(zcat "$root/usr/share/doc/entalix/changelog.gz") ||
    { echo "CHANGELOG.md has no section for ${version%-*}"; fail=1; }
grep -q "<release version=\"${version%-*}\"" "$root/usr/share/metainfo/io.github.entalix.Entalix.metainfo.xml" ||
    { echo "the metainfo has no release ${version%-*}"; fail=1; }

if [ "$qt" = 5 ]; then
    wanted=(libqt5widgets5 libqt5gui5 libqt5core5a)  # the platform plugins are in libqt5gui5
    unwanted=qt6
else
    wanted=(libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins)
    unwanted=qt5
fi
for dep in "${wanted[@]}"; do
    grep -q "$dep" <<<"$depends" || { echo "missing dependency: $dep"; fail=1; }
done
grep -q "$unwanted" <<<"$depends" && { echo "a Qt $qt package depends on $unwanted: $depends"; fail=1; }
grep -qE 'fonts-(arphic-uming|noto-cjk)' <<<"$depends" || { echo "missing dependency: a CJK font"; fail=1; }

desktop=$(cat "$root/usr/share/applications/entalix.desktop")
for key in 'Name=Entalix' 'Name\[zh_CN\]=.+' 'GenericName\[zh_CN\]=.+' 'Comment=.+' 'Comment\[zh_CN\]=.+' \
           'Keywords=.+' 'Keywords\[zh_CN\]=.+' 'Categories=.*Science;.*Engineering;'; do
    grep -qxE "$key" <<<"$desktop" || { echo "desktop entry without $key"; fail=1; }
done

if command -v lintian >/dev/null; then
    lint=$(lintian --tag-display-limit 0 "$deb" "$dbgsym" 2>&1 | grep -v 'running with root privileges' || true)
    grep -E '^[EW]:' <<<"$lint" && { echo "lintian is not content (above)"; fail=1; }
else
    echo "lintian is not installed"; fail=1
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.entalix.Entalix.metainfo.xml" >"$out/appstream.txt" 2>&1 ||
        { cat "$out/appstream.txt"; echo "appstreamcli refuses the metainfo"; fail=1; }
    grep -q '<summary xml:lang="zh-CN">' "$root/usr/share/metainfo/io.github.entalix.Entalix.metainfo.xml" ||
        { echo "the metainfo has no Chinese summary"; fail=1; }
else
    echo "appstreamcli is not installed"; fail=1
fi
[ $fail -eq 0 ] && echo "package ok: $(basename "$deb") and $(basename "$dbgsym"), Qt $qt; lintian and appstreamcli content"
exit $fail
