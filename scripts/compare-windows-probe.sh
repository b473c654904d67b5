#!/usr/bin/env bash
# Probes gauge modules on Linux and their .gau builds under Wine and compares what the
# two print: texts and words identical, numbers within 1e-9 (relative beyond 1).
#
#   compare-windows-probe.sh LINUX_BUILD WINDOWS_BUILD CASES_FILE
#
# LINUX_BUILD holds `panel` and modules/*.so, WINDOWS_BUILD `panel.exe` and
# modules/*.gau. Each line of CASES_FILE is a module name and its probe options, e.g.
# "QT.SM-008 --set 0x3D=54 --frames 40"; '#' starts a comment. Wine runs in a prefix of
# its own under LINUX_BUILD, created on the first run and reused after.
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
linux_build=${1:?usage: compare-windows-probe.sh LINUX_BUILD WINDOWS_BUILD CASES_FILE}
windows_build=${2:?usage: compare-windows-probe.sh LINUX_BUILD WINDOWS_BUILD CASES_FILE}
cases=${3:?usage: compare-windows-probe.sh LINUX_BUILD WINDOWS_BUILD CASES_FILE}
linux_build=$(cd "$linux_build" && pwd)
windows_build=$(cd "$windows_build" && pwd)

command -v wine >/dev/null || { echo "wine is not installed (scripts/install-deps.sh installs it)"; exit 1; }
panel_exe="$windows_build/panel.exe"
[ -f "$panel_exe" ] || { echo "no $panel_exe"; exit 1; }
# Modules find the host's clock by name in the process's export table.
i686-w64-mingw32-objdump -p "$panel_exe" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
  grep -qw 'panel_host_clock_ms$' || { echo "panel.exe does not export panel_host_clock_ms"; exit 1; }

export WINEPREFIX="$linux_build/wineprefix" WINEDEBUG=-all WINEARCH=win32
# No Mono or Gecko: nothing here needs them, and their installers would ask.
export WINEDLLOVERRIDES="mscoree,mshtml="
# The sound library lives beside the modules; a module loads it by its bare name.
export WINEPATH="$windows_build/modules"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "creating the Wine prefix $WINEPREFIX"
  wineboot --init >/dev/null 2>&1 || { echo "wineboot failed"; exit 1; }
  wineserver --wait
fi

out="$linux_build/windows-probe"
rm -rf "$out"
mkdir -p "$out"

# Prints the differences between two probe outputs; exits 1 when there are any.
compare() {
  awk -v tolerance=1e-9 -f "$scripts/compare-outputs.awk" "$1" "$2"
}

status=0
while read -r module options; do
  [ -z "$module" ] || [ "${module:0:1}" = "#" ] && continue
  read -ra args <<<"${options%%#*}"
  linux_txt="$out/$module.linux.txt"
  windows_txt="$out/$module.windows.txt"
  if ! "$linux_build/panel" probe "$linux_build/modules/$module.so" "${args[@]}" >"$linux_txt"; then
    echo "FAIL $module: the Linux probe failed"; status=1; continue
  fi
  # Wine prints CRLF line ends from a Windows program's text output.
  if ! wine "$panel_exe" probe "$windows_build/modules/$module.gau" "${args[@]}" | tr -d '\r' >"$windows_txt"; then
    echo "FAIL $module: the Windows probe failed"; status=1; continue
  fi
  if differences=$(compare "$linux_txt" "$windows_txt"); then
    echo "ok   $module ($(wc -l <"$linux_txt") lines)"
  else
    echo "FAIL $module:"; echo "$differences"; status=1
  fi
done <"$cases"
exit $status
