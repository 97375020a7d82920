#!/usr/bin/env bash
# Builds the .deb of a built tree and runs lintian on it, which also fails a package whose
# dependencies were not read from the binary, then checks the desktop entry, the metainfo and the
# manual page in it with their own validators.
# Usage: deb.sh BUILD_DIR
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work # where lintian leaves caches of its own
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work" >"$work/log" || { cat "$work/log"; exit 1; }
lintian --fail-on error,warning "$work"/numconst_*.deb 2>/dev/null
dpkg-deb -x "$work"/numconst_*.deb "$work/root"
desktop-file-validate "$work/root/usr/share/applications/numconst.desktop"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
mandoc -T lint -W warning "$work/root/usr/share/man/man1/numconst.1.gz"
