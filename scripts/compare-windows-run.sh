#!/usr/bin/env bash
# Flies a scenario with `panel run` on Linux and with panel.exe and the .gau files under
# Wine, and compares the two trace.csv files: texts, pictures and events identical,
# numbers within 1e-9 (relative beyond 1).
#
#   compare-windows-run.sh LINUX_BUILD WINDOWS_BUILD SCENARIO
#
# LINUX_BUILD holds `panel` and modules/*.so, WINDOWS_BUILD `panel.exe` and modules/*.gau
# with GaugeSound.dll. The run folders go to LINUX_BUILD/windows-run; the gauges' working
# folders to /dev/shm when there is one, since the flight computer rewrites its settings
# file every frame. Wine runs in the prefix compare-windows-probe.sh uses.
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
usage="usage: compare-windows-run.sh LINUX_BUILD WINDOWS_BUILD SCENARIO"
linux_build=$(cd "${1:?$usage}" && pwd)
windows_build=$(cd "${2:?$usage}" && pwd)
scenario=$(cd "$(dirname "${3:?$usage}")" && pwd)/$(basename "$3")

command -v wine >/dev/null || { echo "wine is not installed (scripts/install-deps.sh installs it)"; exit 1; }
[ -f "$windows_build/panel.exe" ] || { echo "no $windows_build/panel.exe"; exit 1; }

export WINEPREFIX="$linux_build/wineprefix" WINEDEBUG=-all WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml="
# The trim display loads GaugeSound.dll by its bare name; it lies beside the modules.
export WINEPATH="$windows_build/modules"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the Wine prefix $WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }
  wineserver --wait
fi

out="$linux_build/windows-run"
rm -rf "$out"
mkdir -p "$out"
scratch_root=/tmp
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch_root=/dev/shm
scratch=$(mktemp -d "$scratch_root/windows-run.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

start=$SECONDS
"$linux_build/panel" run "$scenario" -q --out "$out/linux" --modules "$linux_build/modules" \
  --workdir "$scratch/linux" >"$out/linux.txt" || { echo "FAIL: the Linux run failed"; cat "$out/linux.txt"; exit 1; }
linux_s=$((SECONDS - start))
start=$SECONDS
# Wine prints CRLF line ends from a Windows program's text output.
wine "$windows_build/panel.exe" run "$scenario" -q --out "$out/windows" --modules "$windows_build/modules" \
  --workdir "$scratch/windows" | tr -d '\r' >"$out/windows.txt" ||
  { echo "FAIL: the Windows run failed"; cat "$out/windows.txt"; exit 1; }
windows_s=$((SECONDS - start))
echo "Linux run ${linux_s} s, Windows run under Wine ${windows_s} s"

if differences=$(awk -v tolerance=1e-9 -f "$scripts/compare-outputs.awk" "$out/linux/trace.csv" "$out/windows/trace.csv"); then
  echo "ok   trace.csv ($(wc -l <"$out/linux/trace.csv") lines)"
else
  echo "FAIL: the traces differ ($(grep -c '^line ' <<<"$differences") lines); the first differences:"
  head -n 20 <<<"$differences"
  exit 1
fi
