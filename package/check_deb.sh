#!/usr/bin/env bash
# check_deb.sh BUILD_DIR WORK_DIR
# Builds the .deb into WORK_DIR and checks that its control file declares the Qt 6 runtime and
# the CJK font, and that it carries the programs, the menu entry and the icon.
set -euo pipefail
build=$1 work=$2
rm -rf "$work" && mkdir -p "$work"
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; exit 1; }
deb=$(ls "$work"/korvane_*.deb)

fail() { echo "FAIL: $*" >&2; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 fonts-noto-cjk; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = korvane ] || fail "package name"
contents=$(dpkg-deb -c "$deb")
for file in ./usr/bin/korvane ./usr/bin/korvane-cli ./usr/share/korvane/smpuma.um0 \
            ./usr/share/applications/korvane.desktop \
            ./usr/share/icons/hicolor/scalable/apps/korvane.svg \
            ./usr/share/man/man1/korvane-cli.1; do
  grep -qF " $file" <<<"$contents" || fail "the package lacks $file"
done
echo "$deb: $depends"
