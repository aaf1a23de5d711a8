#!/usr/bin/env bash
# Builds the Debian package of a built tree (argument: its folder), checks its files, that lintian
# finds no error, and that both programs, unpacked into a scratch folder, answer --version.
set -euo pipefail
cd "$1" && cpack -G DEB >/dev/null 2>&1 && deb=$(ls "$PWD"/vspace_*.deb)
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in bin/vspace bin/vspace-replay share/applications/org.vspace.vspace.desktop share/metainfo/org.vspace.vspace.metainfo.xml \
    share/icons/hicolor/{scalable/apps/org.vspace.vspace.svg,48x48/apps/org.vspace.vspace.png,256x256/apps/org.vspace.vspace.png} \
    share/man/man1/{vspace,vspace-replay}.1.gz share/doc/vspace/examples/enjoysport.jsonl \
    share/vspace/translations/vspace_{de,es,th}.qm; do
    grep -qx "./usr/$file" <<<"$files" || { echo "FAIL: $file is not in $deb"; exit 1; }
done
lintian "$deb" 2>&1 | { grep -v "root privileges" || true; } | tee lintian.log
! grep -q '^E:' lintian.log || { echo "FAIL: lintian reports errors"; exit 1; }
unpacked=$(mktemp -d) && trap 'rm -rf "$unpacked"' EXIT && dpkg-deb -x "$deb" "$unpacked"
env -u DISPLAY -u WAYLAND_DISPLAY "$unpacked/usr/bin/vspace" --version | grep -qx "vspace [0-9.]*"
"$unpacked/usr/bin/vspace-replay" --version | grep -qx "vspace-replay [0-9.]*"
