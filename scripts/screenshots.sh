#!/usr/bin/env bash
# Starts Quorvel on a copy of the demo program folder under a virtual X server and takes
# screenshots of the whole screen: the main window with the race card, the bets window and the
# result window of race 1, then of race 2 after a key press in the race list.
# Usage: scripts/screenshots.sh [OUTDIR]   (default: shots/)
set -euo pipefail
cd "$(dirname "$0")/.."
out="${1:-shots}"
mkdir -p "$out"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF >/dev/null
cmake --build build --target quorvel >/dev/null
work="$(mktemp -d)"
trap 'kill ${app:-} ${xvfb:-} 2>/dev/null || true; rm -rf "$work"' EXIT
cp -R demo/. "$work/demo"
scripts/demo-settings.sh "$work/Quorvel6.ini"
display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY="$display" QUORVEL_PROGRAM_FOLDER="$work/demo" QUORVEL_SETTINGS="$work/Quorvel6.ini" build/app/qt/quorvel &
app=$!
sleep 8
DISPLAY="$display" import -window root "$out/quorvel-race1.png"
echo "wrote $out/quorvel-race1.png"
