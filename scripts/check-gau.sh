#!/usr/bin/env bash
# Checks each .gau in a folder and lists what it found: a PE32 i386 DLL exporting
# exactly Linkage and ImportTable, importing nothing beyond KERNEL32 and the C runtime,
# with resources. Given the bitmaps/ folder of a native build, each module's BITMAP
# resources must also be exactly its artwork's bitmaps: the same numbers, and each one
# the 8-bit palette BMP drawn for it without the 14-byte file header (so of the same
# size and palette).
#
#   check-gau.sh MODULE_DIR [BITMAP_DIR]
set -uo pipefail
dir=${1:?usage: check-gau.sh MODULE_DIR [BITMAP_DIR]}
bitmap_dir=${2:-}
status=0
shopt -s nullglob
files=("$dir"/*.gau)
[ ${#files[@]} -gt 0 ] || { echo "no .gau files in $dir"; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# "ID RVA SIZE" (decimal) for each BITMAP resource, from objdump's resource listing.
bitmap_resources() {
  awk '
    /^The .rsrc Resource Directory section/ { listing = 1; next }
    !listing { next }
    # Entries sit one column right of the table they belong to; the listing is depth
    # first, so an entry is known by its column, not by the table line before it.
    /Type Table:/ { kind[index($0, "Type") + 1] = "type"; next }
    /Name Table:/ { kind[index($0, "Name") + 1] = "name"; next }
    /Language Table:/ { kind[index($0, "Language") + 1] = "language"; next }
    /Entry: ID:/ {
      level = kind[index($0, "Entry:")]
      if (level == "type") type = strtonum_hex($4)
      if (level == "name") name = strtonum_hex($4)
      next
    }
    # Resources named by text, not number, are none a gauge can name.
    /Entry: name:/ { if (kind[index($0, "Entry:")] == "name") name = -1; next }
    /Leaf: Addr:/ {
      if (type == 2 && name >= 0) printf "%d %d %d\n", name, strtonum_hex($4), strtonum_hex($6)
    }
    function strtonum_hex(text,    n, i, c) {
      sub(/,$/, "", text); sub(/^0x/, "", text); n = 0
      for (i = 1; i <= length(text); ++i) { c = index("0123456789abcdef", tolower(substr(text, i, 1))) - 1; n = n * 16 + c }
      return n
    }'
}

for gau in "${files[@]}"; do
  name=$(basename "$gau")
  module=${name%.gau}
  problems=()
  machine=$(file -b "$gau")
  echo "$machine" | grep -q 'PE32 executable (DLL).*Intel 80386' || problems+=("not a PE32 i386 DLL")
  dump=$(i686-w64-mingw32-objdump -p "$gau")
  exports=$(echo "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | awk '/^[[:space:]]+\[ *[0-9]+\]/{print $NF}' | sort | tr '\n' ' ')
  [ "$exports" = "ImportTable Linkage " ] || problems+=("exports '$exports' instead of exactly Linkage and ImportTable")
  all_imports=$(echo "$dump" | awk '/DLL Name:/{print $3}' | tr '\n' ' ')
  imports=$(echo "$dump" | awk '/DLL Name:/{print $3}' | grep -viE '^(KERNEL32|msvcrt)\.dll$' | tr '\n' ' ')
  [ -z "$imports" ] || problems+=("imports $imports")
  sections=$(i686-w64-mingw32-objdump -h "$gau")
  echo "$sections" | grep -q '\.rsrc' || problems+=("carries no resources")

  # Each resource's bytes sit at the .rsrc section's file offset plus its distance from the section's start.
  read -r rsrc_rva rsrc_file_offset < <(echo "$sections" |
    awk -v base="$(echo "$dump" | awk '/^ImageBase/{print $2}')" \
      '$2 == ".rsrc" { printf "%d %d\n", strtonum_hex($4) - strtonum_hex(base), strtonum_hex($6) }
       function strtonum_hex(text,    n, i) { n = 0; text = tolower(text)
         for (i = 1; i <= length(text); ++i) n = n * 16 + index("0123456789abcdef", substr(text, i, 1)) - 1
         return n }')
  listed=""
  found_ids=""
  while read -r id rva size; do
    [ -n "$id" ] || continue
    hex_id=$(printf '%X' "$id")
    found_ids+="$hex_id "
    resource="$scratch/$hex_id.dib"
    tail -c +$((rsrc_file_offset + rva - rsrc_rva + 1)) "$gau" | head -c "$size" >"$resource"
    read -r width height <<<"$(od -An -td4 -j4 -N8 "$resource")"
    bits=$(od -An -tu2 -j14 -N2 "$resource" | tr -d ' ')
    listed+=" 0x$hex_id:${width}x${height}x${bits}"
    [ "$bits" = 8 ] || problems+=("bitmap 0x$hex_id has $bits bits a pixel, not an 8-bit palette")
    if [ -n "$bitmap_dir" ]; then
      art="$bitmap_dir/$module/$hex_id.bmp"
      if [ ! -f "$art" ]; then
        problems+=("bitmap 0x$hex_id was never drawn for $module")
      elif ! tail -c +15 "$art" | cmp -s - "$resource"; then
        problems+=("bitmap 0x$hex_id differs from $art")
      fi
    fi
  done < <(echo "$dump" | bitmap_resources)
  if [ -n "$bitmap_dir" ]; then
    for art in "$bitmap_dir/$module"/*.bmp; do
      hex_id=$(basename "$art" .bmp)
      [[ " $found_ids" == *" $hex_id "* ]] || problems+=("bitmap 0x$hex_id is no BITMAP resource")
    done
  fi

  summary="exports ${exports% }; imports ${all_imports% }; bitmaps${listed:- none}"
  if [ ${#problems[@]} -eq 0 ]; then
    echo "ok   $name: $summary"
  else
    echo "FAIL $name: $summary"
    printf '       %s\n' "${problems[@]}"
    status=1
  fi
done
exit $status
