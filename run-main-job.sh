#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: the airspeed indicator on
# the host at a few airspeeds, one PNG each, in a fresh run folder under runs/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh >/dev/null
run_dir="runs/$(date +%Y%m%d-%H%M%S)"
mkdir -p "$run_dir"
for knots in 0 21.6 43.2 54 81 108 135 162; do
  ./build/panel render build/modules/QT.SM-008.so --set "0x3D=$knots" --workdir "$run_dir/work" \
    -o "$run_dir/asi-${knots}kt.png" >/dev/null
done
rm -rf "$run_dir/work"
echo "Wrote $(ls "$run_dir" | wc -l) pictures of the airspeed indicator to $PWD/$run_dir"
ls "$run_dir"
