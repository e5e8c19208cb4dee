#!/usr/bin/env bash
# Plays a game by keyboard alone against each computer level, reading the window
# through the accessibility bus as a screen reader does (scripts/keyboard-game.py).
# Not a test: it prints every move. Needs xvfb, xdotool, dbus, at-spi2-core and
# python3-pyatspi (Debian).
#
#   scripts/keyboard-game.sh BUILD_DIR [LEVEL ...]
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -ge 1 ] || { echo "usage: scripts/keyboard-game.sh BUILD_DIR [LEVEL ...]" >&2; exit 2; }
game=$(realpath "$1/src/app/tallyfold")
shift
if [ -z "${TALLYFOLD_IN_SESSION:-}" ]; then
    exec env TALLYFOLD_IN_SESSION=1 dbus-run-session -- "$0" "$(dirname "$(dirname "$(dirname "$game")")")" "$@"
fi
work=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" </dev/null >/dev/null 2>&1 &
xvfb=$!
/usr/libexec/at-spi-bus-launcher --launch-immediately </dev/null >/dev/null 2>&1 &
bus=$!
trap 'kill $xvfb $bus 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(head -n1 "$work/display") HOME=$work XDG_RUNTIME_DIR=$work
# The game keeps its players beside itself: a copy leaves the build's players alone.
mkdir "$work/app"
(cd "$(dirname "$game")" && cp -r tallyfold data VEXA.HLP tallyfold-sound.so "$work/app/")
mkdir "$work/app/players"
sleep 1
/usr/bin/python3 scripts/keyboard-game.py "$work/app/tallyfold" "$@"
echo "records written:"
strings "$work"/app/players/*.ply | grep -E "^(A [0-9]+ piece|the computer)" || true
