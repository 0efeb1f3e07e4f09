#!/usr/bin/env bash
# Installs what is missing, builds, and runs Quorvel on the demo program folder.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF >/dev/null
cmake --build build
# Until the main window exists: the race card of the demo stadium as JSON.
exec build/cli/quorvel-cli program demo/b240106.lzh 24
