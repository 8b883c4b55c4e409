# The example archive as the build wrote it, read by an outside RAR reader (bsdtar): it lists exactly the
# files the build wrote beside it, extracts each byte for byte, and every program in it opens.
# Arguments: BSDTAR LUMIO ARCHIVE FILES_DIR WORK_DIR
set -u
bsdtar="$1" lumio="$2" archive="$3" files="$4" work="$5"
rm -rf "$work" && mkdir -p "$work/extracted"
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

listed="$("$bsdtar" -tf "$archive")" || fail "bsdtar cannot list $archive"
expected="$(cd "$files" && ls -1 | LC_ALL=C sort)"
[ "$(printf '%s\n' "$listed" | LC_ALL=C sort)" = "$expected" ] ||
  fail "listing differs: got [$listed], expected [$expected]"
printf '%s\n' "$listed" | grep -q '^1-输入发送数据程序\.zt5$' || fail "Chinese file name not listed as written: [$listed]"

"$bsdtar" -xf "$archive" -C "$work/extracted" || fail "bsdtar cannot extract $archive"
count=0
for file in "$files"/*; do
  name="$(basename "$file")"
  count=$((count + 1))
  cmp -s "$file" "$work/extracted/$name" || fail "$name differs after extraction"
  case "$name" in
    *.zt5) "$lumio" check "$work/extracted/$name" >/dev/null || fail "$name does not open" ;;
  esac
done
[ "$count" -ge 5 ] || fail "only $count files in the archive"

echo "$count files checked, $failures failed"
[ "$failures" -eq 0 ]
