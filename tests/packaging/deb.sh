#!/usr/bin/env bash
# Builds the .deb from a configured and built tree and checks its control data and file list.
# Usage: deb.sh BUILD_DIR VERSION QT_MAJOR
set -euo pipefail
build=$1 version=$2 qt=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/numconst_*.deb)

failed=0
expect() { # WHAT ACTUAL PATTERN
    if [[ $2 =~ $3 ]]; then
        echo "PASS: $1"
    else
        echo "FAIL: $1: '$2' does not match '$3'"
        failed=$((failed + 1))
    fi
}
field() { dpkg-deb --field "$deb" "$1"; }

expect 'file name' "$(basename "$deb")" "^numconst_${version}_[a-z0-9]+\\.deb$"
expect 'package' "$(field Package)" '^numconst$'
expect 'version' "$(field Version)" "^${version}$"
expect 'section' "$(field Section)" '^devel$'
for library in core gui widgets; do
    expect "depends on Qt $qt $library" "$(field Depends)" "libqt${qt}${library}${qt}"
done

files=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $NF }' | sort | tr '\n' ' ')
expect 'files' "$files" "^\\./usr/bin/numconst \\./usr/share/applications/numconst\\.desktop \\./usr/share/metainfo/org\\.numconst\\.numconst\\.metainfo\\.xml $"

echo "deb: $failed failed"
[[ $failed -eq 0 ]]
