#!/usr/bin/env bash
# install_and_start.sh BUILD_DIR WORK_DIR SAMPLE
# Installs the build into WORK_DIR/prefix, checks the installed files, then starts the installed
# korvane offscreen with its data folder under WORK_DIR: it must copy the sample set and still be
# running a second later.
set -euo pipefail
build=$1 work=$2 sample=$3
rm -rf "$work" && mkdir -p "$work/data" "$work/home"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
for file in bin/korvane bin/korvane-cli share/korvane/smpuma.um0 \
            share/applications/korvane.desktop share/man/man1/korvane-cli.1 \
            share/icons/hicolor/scalable/apps/korvane.svg \
            share/icons/hicolor/48x48/apps/korvane.png \
            share/icons/hicolor/128x128/apps/korvane.png \
            share/icons/hicolor/256x256/apps/korvane.png; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done
grep -qx 'Icon=korvane' "$prefix/share/applications/korvane.desktop" || fail "desktop entry has no icon"
"$prefix/bin/korvane-cli" --version | grep -q '^korvane-cli [0-9]' || fail "korvane-cli --version"

export HOME=$work/home XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/home/.config
export QT_QPA_PLATFORM=offscreen
"$prefix/bin/korvane" >"$work/korvane.log" 2>&1 &
pid=$!
sleep 1
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" || true
  cat "$work/korvane.log" >&2
  fail "the installed korvane ended within a second"
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
cmp -s "$sample" "$work/data/korvane/smpuma.um0" || fail "the sample set was not copied to the data folder"
echo "installed korvane started on a fresh data folder"
