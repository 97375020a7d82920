#!/usr/bin/env bash
# Builds the .deb of a built tree and checks its control data and file list.
# Usage: deb.sh BUILD_DIR VERSION QT_MAJOR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work" >"$work/log" || { cat "$work/log"; exit 1; }
deb=$(echo "$work/numconst_$2_"*.deb)

check() { [[ $2 == $3 ]] && echo "PASS: $1" || { echo "FAIL: $1: got '$2'" && exit 1; }; }
check 'control' "$(dpkg-deb --field "$deb" Package Version Section)" "Package: numconst
Version: $2
Section: devel"
for library in core gui widgets; do
    check "depends on Qt $3 $library" "$(dpkg-deb --field "$deb" Depends)" "*libqt$3$library$3*"
done
check 'files' "$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $NF }')" "./usr/bin/numconst
./usr/share/applications/numconst.desktop
./usr/share/metainfo/org.numconst.numconst.metainfo.xml"
