#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from the build tree.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/release -j"$(nproc)" --target tallyfold
cd build/release/src/app
exec ./tallyfold
