#!/usr/bin/env bash
# Installs what is missing, builds, and runs Quorvel on the demo program folder.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF >/dev/null
cmake --build build
exec build/cli/quorvel-cli program demo/B240106.TXT
