#!/usr/bin/env bash
# Sets up what is missing, builds the tool and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DB3_TESTS=OFF -DB3_BENCH=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target brevantine3
exec build/release/brevantine3 "$@"
