#!/usr/bin/env bash
# Start-up of Lumenrest against a minimal five-tab Qt window, alternately, under a private Xvfb.
set -euo pipefail
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
harness=$top/../shared/tools/startup.sh
if [ ! -f "$harness" ]; then
  echo "startup timing skipped: $harness not found"
  exit 0
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config" "$scratch/data"
env_args=(--env "HOME=$scratch" --env "XDG_CONFIG_HOME=$scratch/config" --env "XDG_DATA_HOME=$scratch/data")
bash "$harness" --ab -n 11 -w 2 -q "${env_args[@]}" \
  --title-a "Lumenrest v1.0" --cmd-a "$top/$build/bin/Lumenrest" \
  --title-b "Startup Floor" --cmd-b "$top/$build/bench-floor/startup_floor"
