#!/usr/bin/env bash
# Checks each .gau in a folder: a PE32 i386 DLL exporting exactly Linkage and
# ImportTable, importing nothing beyond KERNEL32 and the C runtime, with resources.
set -uo pipefail
dir=${1:?usage: check-gau.sh MODULE_DIR}
status=0
shopt -s nullglob
files=("$dir"/*.gau)
[ ${#files[@]} -gt 0 ] || { echo "no .gau files in $dir"; exit 1; }
for gau in "${files[@]}"; do
  name=$(basename "$gau")
  problems=()
  file -b "$gau" | grep -q 'PE32 executable (DLL).*Intel 80386' || problems+=("not a PE32 i386 DLL")
  dump=$(i686-w64-mingw32-objdump -p "$gau")
  exports=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/^[[:space:]]+\[ *[0-9]+\]/{print $NF}' | sort | tr '\n' ' ')
  [ "$exports" = "ImportTable Linkage " ] || problems+=("exports '$exports' instead of exactly Linkage and ImportTable")
  imports=$(echo "$dump" | awk '/DLL Name:/{print $3}' | grep -viE '^(KERNEL32|msvcrt)\.dll$' | tr '\n' ' ')
  [ -z "$imports" ] || problems+=("imports $imports")
  i686-w64-mingw32-objdump -h "$gau" | grep -q '\.rsrc' || problems+=("carries no resources")
  if [ ${#problems[@]} -eq 0 ]; then echo "ok   $name"; else echo "FAIL $name: ${problems[*]}"; status=1; fi
done
exit $status
