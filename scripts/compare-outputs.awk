# Compares two outputs line by line: texts in double quotes and words identical, numbers
# within `tolerance` (relative beyond 1). Prints each difference; exits 1 when there are any.
#
#   awk -v tolerance=1e-9 -f compare-outputs.awk LINUX_OUTPUT WINDOWS_OUTPUT
function fail(what) { printf "line %d: %s\n", FNR, what; bad = 1 }
# The line with its quoted texts kept and every number outside them replaced by #;
# the numbers go to nums[1..n].
function skeleton(line, nums,    out, n, m) {
  out = ""; n = 0
  while (length(line) > 0) {
    if (substr(line, 1, 1) == "\"") {
      m = index(substr(line, 2), "\"")
      if (m == 0) { out = out line; break }
      out = out substr(line, 1, m + 1); line = substr(line, m + 2); continue
    }
    if (match(line, /^-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?/)) {
      nums[++n] = substr(line, 1, RLENGTH) + 0; out = out "#"; line = substr(line, RLENGTH + 1); continue
    }
    out = out substr(line, 1, 1); line = substr(line, 2)
  }
  nums[0] = n
  return out
}
function abs(x) { return x < 0 ? -x : x }
FILENAME == ARGV[1] { linux[FNR] = $0; linux_lines = FNR; next }
{
  windows_lines = FNR
  if (!(FNR in linux)) { fail("only on Windows: " $0); next }
  split("", a); split("", b)
  sa = skeleton(linux[FNR], a); sb = skeleton($0, b)
  if (sa != sb || a[0] != b[0]) { fail("Linux: " linux[FNR] "\n        Windows: " $0); next }
  for (i = 1; i <= a[0]; ++i) {
    scale = abs(a[i]) > 1 ? abs(a[i]) : 1
    if (abs(a[i] - b[i]) > tolerance * scale) { fail("number " i " differs: Linux: " linux[FNR] "\n        Windows: " $0); break }
  }
}
END {
  for (i = windows_lines + 1; i <= linux_lines; ++i) { printf "line %d: only on Linux: %s\n", i, linux[i]; bad = 1 }
  if (linux_lines == 0) { print "nothing printed"; bad = 1 }
  exit bad
}
