#!/usr/bin/env bash
# Installs what is missing, builds, and runs Quorvel on the demo program folder.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF >/dev/null
cmake --build build
# Until the main window exists: what the race card of the demo day's first race shows, as JSON.
exec build/cli/quorvel-cli race demo 24 1
