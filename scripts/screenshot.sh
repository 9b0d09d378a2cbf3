#!/usr/bin/env bash
# Screenshots of the autorun list in a themed window at 100 % and 150 %: the preview
# program from a Windows build, each scale in a prefix of its own (the resolution is a
# per-user setting Wine reads at process start), one Xvfb display for both.
#
#   scripts/screenshot.sh [BUILD]   BUILD defaults to build/windows; PNGs go to BUILD/screenshots
set -euo pipefail

here="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd)"
build="$(cd -- "${1:-$here/../build/windows}" && pwd)"
preview="$build/tests/windows/orvane_ui_preview.exe"
out="$build/screenshots"
[ -f "$preview" ] || { echo "screenshot: no $preview; build the windows preset first" >&2; exit 1; }
mkdir -p "$out"

work="$(mktemp -d)"
xvfb=""
cleanup() {
  if [ -n "$xvfb" ]; then kill "$xvfb" 2>/dev/null || true; wait "$xvfb" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

# 800x600 keeps the picture about the window rather than an empty screen.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

# Each scale in the normal scheme and in a high-contrast black one.
for scale in 100 150; do
  dpi=$((96 * scale / 100))
  export ORVANE_WINE_PREFIX="$out/prefix-$scale"
  bash "$here/wine-run.sh" "$preview" --set-dpi "$dpi"
  for scheme in normal contrast; do
    name="autorun-$scale"
    flag=""
    if [ "$scheme" = contrast ]; then name="autorun-$scale-contrast"; flag="--contrast"; fi
    bash "$here/wine-run.sh" "$preview" 12 $flag &
    runner=$!
    sleep 8
    import -window root "$out/$name.png"
    wait "$runner"
    # The window sits at (20, 20); keep the screen around it only.
    convert "$out/$name.png" -crop "$((20 + 460 * scale / 100))x$((20 + 380 * scale / 100))+0+0" \
      +repage "$out/$name.png"
    echo "screenshot: $out/$name.png"
  done
done
