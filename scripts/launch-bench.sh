#!/usr/bin/env bash
# How fast the game opens and what it costs while it waits, beside a minimal
# Qt dialog (40 buttons, a 250 ms timer) measured the same way in the same run.
# Not a test: it prints figures.
#
#   scripts/launch-bench.sh BUILD_DIR [RUNS]        (RUNS: 10)
#
# Both programs run on a private X server (Xvfb, no window manager), started
# RUNS times each, alternately. Launch time: from just before the program is
# started until the X server maps its first top-level window, as seen by
# tallyfold-launch-watch (a MapNotify on the root window); the program's own
# first paint follows shortly after. Then one more instance of each is left
# waiting (the game waiting for a move in its first game when xdotool is there
# to answer the splash, the setup and the player): after SETTLE seconds its resident memory (VmRSS) is read, and its
# idle load is the CPU time (utime + stime) it used over the next IDLE seconds.
#
# Environment: TALLYFOLD_GAME (game binary; default BUILD_DIR/src/app/tallyfold),
# SETTLE (3), IDLE (20). The game runs in its own folder, where the build put data/.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 1 ]; then
    echo "usage: scripts/launch-bench.sh BUILD_DIR [RUNS]" >&2
    exit 2
fi
build=$1
runs=${2:-10}
settle=${SETTLE:-3}
idle=${IDLE:-20}
game=${TALLYFOLD_GAME:-$build/src/app/tallyfold}
minimal=$build/bench/launch/tallyfold-minimal-dialog
watch=$build/bench/launch/tallyfold-launch-watch

missing=0
command -v Xvfb >/dev/null || { echo "missing: Xvfb (Debian: xvfb)"; missing=1; }
[ -x "$game" ] || { echo "missing: $game (cmake --build $build --target tallyfold)"; missing=1; }
for tool in "$minimal" "$watch"; do
    [ -x "$tool" ] || {
        echo "missing: $tool (configure $build with -DTALLYFOLD_BENCHMARKS=ON, then" \
            "cmake --build $build --target $(basename "$tool"); the watcher needs libxcb1-dev)"
        missing=1
    }
done
[ "$missing" = 0 ] || exit 1
game=$(realpath "$game")
minimal=$(realpath "$minimal")
watch=$(realpath "$watch")

work=$(mktemp -d)
xvfb_pid=""
watchers=()
finish() {
    for pid in "${watchers[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${watchers[@]}"; do wait "$pid" 2>/dev/null || true; done
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

# A server of our own: the display number comes back on a file descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
DISPLAY=:$(head -n1 "$work/display")
export DISPLAY
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work HOME=$work

# Starts a program under the watcher; sets started_pid (the program),
# started_watcher and started_ms ("timeout" or "exited" when it never showed).
start() {
    local name=$1 program=$2
    mkfifo "$work/line"
    (cd "$(dirname "$program")" && exec "$watch" "$program") >"$work/line" 2>>"$work/$name.log" &
    started_watcher=$!
    watchers+=("$started_watcher")
    local line
    read -r line <"$work/line" || line="0 exited"
    rm -f "$work/line"
    started_pid=${line%% *}
    started_ms=${line#* }
}

stop() {
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}

summary() {
    sort -n | awk -v name="$1" '
        { v[NR] = $1; sum += $1 }
        END {
            if (NR == 0) { printf "%-26s no window mapped\n", name; exit }
            median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
            printf "%-26s min %7.1f  median %7.1f  mean %7.1f  max %7.1f ms  (%d runs)\n",
                   name, v[1], median, sum / NR, v[NR], NR
        }'
}

echo "launch to first window mapped, $runs runs each, alternating (display $DISPLAY):"
: >"$work/game.ms"
: >"$work/minimal.ms"
for _ in $(seq "$runs"); do
    for name in game minimal; do
        [ "$name" = game ] && program=$game || program=$minimal
        start "$name" "$program"
        case $started_ms in
        timeout | exited) echo "  $name: $started_ms (see below)" ;;
        *) echo "$started_ms" >>"$work/$name.ms" ;;
        esac
        stop "$started_watcher"
    done
done
summary "game ($(basename "$game"))" <"$work/game.ms"
summary "minimal dialog" <"$work/minimal.ms"

# Both left waiting side by side for the same seconds.
ticks=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$1/status"; }
start game "$game"
game_pid=$started_pid game_watcher=$started_watcher
# The game is measured where a player waits: its first game dealt, waiting
# for a move with the caret blinking. xdotool dismisses the splash, confirms
# the setup and adds (or picks) the player "Bench"; without it, at the splash.
where="splash"
press() {  # WINDOW-NAME-REGEX KEYS...: the keys into that window, once it shows
    local name=$1 id=""
    shift
    for _ in $(seq 40); do
        id=$(xdotool search --onlyvisible --pid "$game_pid" --name "$name" 2>/dev/null | head -n1 || true)
        [ -n "$id" ] && break
        sleep 0.1
    done
    [ -n "$id" ] || return 1
    xdotool windowfocus --sync "$id" "$@"
}
if command -v xdotool >/dev/null && press "^About" key Return; then
    where="setup dialog"
    if press "Game Setup" key Return && press "Select or Add Player 1" type Bench; then
        xdotool key Return
        press "^Confirmation$" key Return || true
        sleep 4  # the deal: 15 ticks of 250 ms
        where="first game, waiting for a move"
    fi
fi
start minimal "$minimal"
minimal_pid=$started_pid minimal_watcher=$started_watcher
sleep "$settle"
echo "left waiting (the game in its $where): memory after ${settle} s, CPU over the next ${idle} s:"
for pid in "$game_pid" "$minimal_pid"; do
    [ -d "/proc/$pid" ] || { echo "program $pid ended early"; exit 1; }
done
game_cpu=$(cpu "$game_pid") minimal_cpu=$(cpu "$minimal_pid")
game_rss=$(rss "$game_pid") minimal_rss=$(rss "$minimal_pid")
sleep "$idle"
for row in "game $game_pid $game_cpu $game_rss" "minimal-dialog $minimal_pid $minimal_cpu $minimal_rss"; do
    read -r name pid before memory <<<"$row"
    after=$(cpu "$pid")
    awk -v n="$name" -v m="$memory" -v t="$((after - before))" -v hz="$ticks" -v s="$idle" \
        'BEGIN { printf "%-26s VmRSS %7.1f MiB  CPU %5.2f s in %d s (%.2f %%)\n",
                 n, m / 1024, t / hz, s, 100 * t / hz / s }'
done
stop "$game_watcher"
stop "$minimal_watcher"

for name in game minimal; do
    if [ -s "$work/$name.log" ]; then
        echo "first lines the $name wrote on stderr:"
        sort "$work/$name.log" | uniq -c | sort -rn | head -n 5
    fi
done
