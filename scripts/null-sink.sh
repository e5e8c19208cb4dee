#!/usr/bin/env bash
# A private PulseAudio server with a null sink: an audio output that nobody hears
# and that nothing else on the machine shares, so that the sound tests play for
# real. Sourced, it gives start_sound_server (which exports PULSE_SERVER) and stops
# the server when the shell exits; run with a command, it runs that command with it:
#   scripts/null-sink.sh scripts/mutate.py widgets
pulse_dir=""
pulse_pid=""
stop_sound_server() {
    if [ -n "$pulse_pid" ]; then
        kill "$pulse_pid" 2>/dev/null || true
        wait "$pulse_pid" 2>/dev/null || true
    fi
    [ -z "$pulse_dir" ] || rm -rf "$pulse_dir"
}
trap stop_sound_server EXIT
start_sound_server() {
    if ! command -v pulseaudio >/dev/null || ! command -v pactl >/dev/null; then
        echo "no PulseAudio here: the sound tests will skip"
        return
    fi
    pulse_dir=$(mktemp -d)
    local socket=$pulse_dir/native
    # The server keeps its files in the private folder (also when run as root, as
    # in CI) and takes any client that reaches its socket there: no cookie needed.
    HOME=$pulse_dir XDG_RUNTIME_DIR=$pulse_dir pulseaudio -n --daemonize=no --system=false \
        --exit-idle-time=-1 --disallow-exit --disallow-module-loading --use-pid-file=no \
        -L "module-native-protocol-unix auth-anonymous=1 socket=$socket" \
        -L "module-null-sink sink_name=tallyfold_null" >"$pulse_dir/log" 2>&1 &
    pulse_pid=$!
    export PULSE_SERVER=unix:$socket
    for _ in $(seq 50); do
        pactl info >/dev/null 2>&1 && break
        sleep 0.1
    done
    if pactl set-default-sink tallyfold_null >/dev/null 2>&1; then
        # A fresh server holds up its first stream for a moment; let that be ours.
        head -c 8820 /dev/zero | pacat --raw --rate=22050 --channels=1 --format=s16le || true
        echo "sound: a PulseAudio null sink for the tests"
    else
        echo "no sound server could start: the sound tests will skip"
        cat "$pulse_dir/log"
        unset PULSE_SERVER
        stop_sound_server
        pulse_pid=""
    fi
}

if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    start_sound_server
    "$@"
fi
