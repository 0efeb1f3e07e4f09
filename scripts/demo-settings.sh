#!/usr/bin/env bash
# Writes the settings file of a demo run (stadium 24 remembered, reload at start-up) when it
# does not exist yet. Usage: demo-settings.sh FILE
set -euo pipefail
file="$1"
if [ ! -f "$file" ]; then
  mkdir -p "$(dirname "$file")"
  printf '[Startup]\nLoad=True\nKyoteijyoCode=24\n' > "$file"
  chmod 600 "$file"
fi
