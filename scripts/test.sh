#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal
# build, and one with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

# The sound tests play through Qt Multimedia. A private PulseAudio server with a
# null sink gives them an output that nobody hears and that nothing else on the
# machine shares; where no server can start, those tests skip and say so.
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

run() {
    local dir=$1; shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

start_sound_server
echo "== normal build =="
run build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== sanitizer build (ASan + UBSan) =="
run build/asan -DCMAKE_BUILD_TYPE=Debug -DTALLYFOLD_SANITIZE=ON -DTALLYFOLD_BENCHMARKS=OFF
