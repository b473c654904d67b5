#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
# The browser test's driver, from the npm registry as the lock file pins it.
(cd tests/browser && npm ci --no-audit --no-fund --loglevel=error)
scripts/build.sh
cd build
ctest --output-on-failure -j "$(nproc 2>/dev/null || echo 2)"
