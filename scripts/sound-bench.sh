#!/usr/bin/env bash
# Times the sound player on a real audio path: a private PulseAudio server with
# a null sink, recorded with parec and measured with sox. Prints, per cue, how
# long a synchronous call took against the cue's length, and how soon after an
# asynchronous call the cue was heard. Not a test: it prints figures.
#   scripts/sound-bench.sh [build folder, default build/release]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
for tool in pulseaudio pactl parec sox; do
    command -v "$tool" >/dev/null || { echo "needs $tool (Debian: pulseaudio pulseaudio-utils sox)"; exit 1; }
done
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target sound-bench >/dev/null

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work HOME=$work PULSE_RUNTIME_PATH=$work/pulse
pulse_pid=""
parec_pid=""
finish() {
    [ -n "$parec_pid" ] && kill "$parec_pid" 2>/dev/null || true
    [ -n "$pulse_pid" ] && kill "$pulse_pid" 2>/dev/null && wait "$pulse_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

# A server of our own, so that nothing else on the machine is touched or heard.
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disallow-exit --system=false \
    -L module-native-protocol-unix -L "module-null-sink sink_name=tfbench" \
    >"$work/pulse.log" 2>&1 &
pulse_pid=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink tfbench

rate=22050
parec -d tfbench.monitor --raw --format=s16le --rate=$rate --channels=1 --latency-msec=5 \
    >"$work/recording.raw" &
parec_pid=$!
# A server that has just started stalled the very first stream for a moment;
# a settled one is what a player's desktop has.
sleep 3

TF_RECORDING=$work/recording.raw TF_EVENTS=$work/events.txt "$PWD/$build/bench/sound/sound-bench"
sleep 0.5
kill "$parec_pid"
parec_pid=""

raw=(-t raw -r $rate -e signed-integer -b 16 -c 1 "$work/recording.raw")
# Samples left in a window once its leading quiet (below 0.5% of full scale) is cut.
after_quiet() { sox "${raw[@]}" -n trim "$1"s "$2"s "${@:3}" silence 1 1s 0.5% stat 2>&1 | awk '/Samples read/ {print $3}'; }

echo
echo "Measured in the recording, in ms from the call: first and last sound; for synchronous"
echo "calls also when the call returned (the last sound should come before it):"
printf '%-6s %-11s %6s %8s %8s %8s %8s\n' mode cue length took first last return
while read -r mode cue length call returned took; do
    if [ "$mode" = sync ]; then
        window=$(( returned - call + 150 * rate / 1000 ))  # the next call comes 200 ms later
    else
        window=$(( (length + 300) * rate / 1000 ))
    fi
    first=$(( window - $(after_quiet "$call" "$window") ))
    last=$(after_quiet "$call" "$window" reverse)
    back="-"
    [ "$mode" = sync ] && back=$(awk -v t="$took" 'BEGIN {printf "%.1f", t}')
    awk -v m="$mode" -v c="${cue#data\\}" -v l="$length" -v t="$took" -v f="$first" -v e="$last" \
        -v b="$back" -v r=$rate 'BEGIN {printf "%-6s %-11s %6d %8.1f %8.1f %8.1f %8s\n", m, c, l, t, f * 1000 / r, e * 1000 / r, b}'
done <"$work/events.txt" | tee "$work/table.txt"

echo
awk '$1 == "sync" {over = $4 - $3; if (over > worst) worst = over; if ($6 - $4 > tail) tail = $6 - $4; n++}
     $1 == "async" {if ($5 > late) late = $5; m++}
     END {printf "synchronous: %d calls; worst return %.1f ms after the cue'"'"'s length (limit 100);", n, worst;
          printf " latest last sound %.1f ms after the return\n", tail;
          printf "asynchronous: %d calls; latest first sound %.1f ms after the call (limit 50)\n", m, late}' \
    "$work/table.txt"
