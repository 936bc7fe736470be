#!/usr/bin/env bash
# Sets up what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DB3_SANITIZE=ON >/dev/null
cmake --build build/test -j"${B3_JOBS:-$(nproc)}"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
cd build/test
# The link tests serve a fake panel on fixed loopback addresses; a private network
# namespace keeps two suites running at once on one machine from meeting each other.
if unshare -n true 2>/dev/null && command -v ip >/dev/null; then
  exec unshare -n sh -c 'ip link set lo up && exec ctest --output-on-failure -j"$(nproc)" "$@"' sh "$@"
fi
exec ctest --output-on-failure -j"$(nproc)" "$@"
