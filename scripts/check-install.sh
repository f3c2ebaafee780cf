#!/usr/bin/env bash
# Checks what a build installs and packages, from an existing build folder
# (build/ of scripts/test.sh by default, so CI compiles nothing again):
#   bash scripts/check-install.sh [build-folder]
# `cmake --install` into a temporary prefix: the program, a desktop entry and
# AppStream metadata that their validators accept, icons at the size their
# folder names, all under the one name the program gives the desktop. Then the
# Debian package from cpack: its files, and dependencies on the libraries the
# program links, found by dpkg-shlibdeps, and on those it opens at run time.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "check-install: $*" >&2
  failures=$((failures + 1))
}

prefix="$work/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/qvconfig" ] || fail "bin/qvconfig is not installed"
shopt -s nullglob
entries=("$prefix"/share/applications/*.desktop)
if [ ${#entries[@]} -ne 1 ]; then
  fail "expected one desktop entry, found ${#entries[@]}"
  exit 1
fi
entry=${entries[0]}
id=$(basename "$entry" .desktop)

desktop-file-validate "$entry" || fail "desktop-file-validate rejects $id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
  appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 ||
    { cat "$work/appstream.log" >&2; fail "appstreamcli rejects $id.metainfo.xml"; }
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metadata does not launch $id.desktop"
else
  fail "no AppStream metadata named $id.metainfo.xml"
fi

# Task bars match the running program to its entry by the name it gives.
grep -qx "Icon=$id" "$entry" || fail "the desktop entry's icon is not $id"
strings -el "$prefix/bin/qvconfig" | grep -qF "$id" ||
  fail "the program does not give the desktop the name $id"

# Each drawn size in its folder, at that size, and the scalable picture.
icons=("$prefix"/share/icons/hicolor/*x*/apps/"$id".png)
[ ${#icons[@]} -ge 5 ] || fail "only ${#icons[@]} sizes of the icon are installed"
for icon in "${icons[@]}"; do
  folder=$(basename "$(dirname "$(dirname "$icon")")")
  actual=$(python3 -c 'import struct, sys
d = open(sys.argv[1], "rb").read(24)
print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8] == b"\x89PNG\r\n\x1a\n" else "not a PNG")' "$icon")
  [ "$actual" = "$folder" ] || fail "the icon in $folder is $actual"
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" 2>/dev/null ||
  fail "no scalable icon"

# The package: built by cpack from the same install rules.
cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; exit 1; }
debs=("$work"/deb/*.deb)
if [ ${#debs[@]} -ne 1 ]; then
  fail "expected one package, found ${#debs[@]}"
  exit 1
fi
deb=${debs[0]}
contents=$(dpkg-deb -c "$deb")
for file in usr/bin/qvconfig "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
  "usr/share/icons/hicolor/256x256/apps/$id.png"; do
  grep -q " \./$file\$" <<<"$contents" || fail "the package lacks /$file"
done
depends=$(dpkg-deb -f "$deb" Depends)
# A version bound is what dpkg-shlibdeps adds; the run-time ones are named.
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $depends" == *", $library (>= "* ]] ||
    fail "the package does not depend on $library as dpkg-shlibdeps finds it: $depends"
done
for package in libsdl2-2.0-0 libvulkan1 qt6-qpa-plugins; do
  [[ ", $depends," == *", $package,"* ]] || fail "the package does not depend on $package: $depends"
done
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package has no maintainer"
[ -n "$(dpkg-deb -f "$deb" Section)" ] || fail "the package has no section"

if [ "$failures" -ne 0 ]; then
  echo "check-install: $failures problem(s)" >&2
  exit 1
fi
echo "check-install: $id installs and packages as $(basename "$deb")"
