#!/usr/bin/env bash
# Makes the .deb of a built tree, in that tree, as `cpack -G DEB` there does, and checks it: the
# files it holds, lintian (which also fails a package whose dependencies were not read from the
# binary), and the desktop entry, the metainfo and the manual page with their own validators.
# Usage: deb.sh BUILD_DIR VERSION
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TMPDIR=$work # where lintian leaves caches of its own
# Under the umask 002 that Debian gives users, as under any other.
(cd "$1" && umask 002 && cpack -G DEB) >"$work/log" || { cat "$work/log"; exit 1; }
lintian --fail-on error,warning "$1"/numconst_"$2"_*.deb 2>/dev/null
dpkg-deb -x "$1"/numconst_"$2"_*.deb "$work/root"
(cd "$work/root/usr" && find . -type f | sort) | diff - <(printf './%s\n' bin/numconst \
    share/{applications/numconst.desktop,doc/numconst/{changelog.gz,copyright}} \
    share/icons/hicolor/scalable/apps/numconst.svg share/man/man1/numconst.1.gz \
    share/metainfo/org.numconst.numconst.metainfo.xml)
desktop-file-validate "$work/root/usr/share/applications/numconst.desktop"
appstreamcli validate --no-net "$work"/root/usr/share/metainfo/*.metainfo.xml
mandoc -T lint -W warning "$work/root/usr/share/man/man1/numconst.1.gz"
