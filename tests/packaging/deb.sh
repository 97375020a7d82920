#!/usr/bin/env bash
# Builds the .deb of a built tree, checks that it depends on Qt, and runs lintian on it.
# Usage: deb.sh BUILD_DIR QT_MAJOR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work" >"$work/log" || { cat "$work/log"; exit 1; }
deb=$(echo "$work"/numconst_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends == *libqt$2widgets$2* ]] || { echo "FAIL: Depends: $depends" && exit 1; }
lintian --fail-on error,warning "$deb" 2>/dev/null
