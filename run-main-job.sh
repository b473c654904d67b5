#!/usr/bin/env bash
# Installs what is missing, builds, and runs the main job: a simulated cross-country
# flight through the whole glider panel, into a fresh run folder under runs/ with its
# snapshots, trace.csv, the flight chart and a summary. Another scenario: give its file.
set -euo pipefail
cd "$(dirname "$0")"
scenario="${1:-scenarios/cross-country.txt}"
scripts/install-deps.sh
scripts/build.sh >/dev/null
# The progress bar goes to standard error when that is a terminal; the summary, which
# ends with the files written, to standard output.
./build/panel run "$scenario"
