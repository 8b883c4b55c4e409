#!/usr/bin/env bash
# lumio export / import: program and block files through their text and back, byte for byte; refused
# texts write nothing; git's textconv call.
set -u
source "$(dirname "$0")/lib.sh"

# round_trip NAME FILE: export, import into the work folder, compare bytes.
round_trip() {
  local name="$1" file="$2" extension="${2##*.}"
  checks=$((checks + 1))
  if ! "$lumio" export "$file" -o "$work/$name.txt" ||
     ! "$lumio" import "$work/$name.txt" -o "$work/$name.$extension" ||
     ! cmp -s "$file" "$work/$name.$extension"; then
    echo "FAIL round trip $name"
    failures=$((failures + 1))
  fi
}

for file in "$data"/open/* "$data"/listing/*.zt5 "$data"/listing/*.hs5; do
  round_trip "$(basename "$file")" "$file"
done

# Texts kept in the repository stay readable: the format's version 1 holds.
for name in mixed.zt5 three.hs5; do
  checks=$((checks + 1))
  if ! "$lumio" import "$data/text/${name%.*}.txt" -o "$work/kept-$name" || ! cmp -s "$data/open/$name" "$work/kept-$name"; then
    echo "FAIL kept text $name"; failures=$((failures + 1))
  fi
done

# Standard output and -o give the same text; a name without the extension (git's copies) still works.
cp "$data/open/mixed.zt5" "$work/copy-without-extension"
expect_run "textconv on an unnamed copy" 0 '^== names$' "$lumio" export "$work/copy-without-extension"
checks=$((checks + 1))
if [ "$("$lumio" export "$data/open/mixed.zt5")" != "$(cat "$work/mixed.zt5.txt")" ]; then
  echo "FAIL stdout and -o differ"; failures=$((failures + 1))
fi
expect_run "listing lines" 0 '^1    如果  输入1 断开       备注:启动 \| 0d0000 01010102 0100 c6f4b6af$' \
  "$lumio" export "$data/open/mixed.zt5"

# The classic edition reads a thread's item as an unknown item; the text says which edition it is.
expect_run "classic edition" 0 '^file \.zt5 classic$' "$lumio" export "$data/open/mixed.zt5" --edition classic
expect_run "classic thread item" 0 '^== item 503$' "$lumio" export "$data/open/mixed.zt5" --edition classic
"$lumio" export "$data/open/mixed.zt5" --edition classic -o "$work/classic.txt"
expect_run "classic round trip" 0 '' "$lumio" import "$work/classic.txt" -o "$work/classic.zt5"
expect_run "classic bytes" 0 '' cmp "$data/open/mixed.zt5" "$work/classic.zt5"
expect_run "unknown edition" 2 'needs current or classic' "$lumio" export "$data/open/mixed.zt5" --edition old

# A bad line: refused with file, line and reason; the target is left alone.
sed 's/^     或者  输出1 闭合 | 074000 02010200$/     或者  输出2 闭合 | 074000 02010200/' \
  "$work/mixed.zt5.txt" >"$work/edited.txt"
echo "keep" >"$work/target.zt5"
expect_run "edited listing refused" 1 'edited.txt:5: refused: the listing text does not match the record' \
  "$lumio" import "$work/edited.txt" -o "$work/target.zt5"
expect_run "nothing written" 0 '^keep$' cat "$work/target.zt5"
expect_run "refused again" 1 'refused' "$lumio" import "$work/edited.txt" -o "$work/never.zt5"
expect_run "no new file" 1 '' test -e "$work/never.zt5"
expect_run "extension must fit the text" 2 'must name a .hs5 file' \
  "$lumio" import "$work/three.hs5.txt" -o "$work/three.zt5"

expect_run "refused file" 1 'refused: not a program file the editor opens \(seal\)' \
  "$lumio" export "$data/refuse/seal.zt5"
expect_run "missing file" 2 'cannot read' "$lumio" export "$work/missing.zt5"
expect_run "import needs -o" 2 'usage: lumio import' "$lumio" import "$work/mixed.zt5.txt"
expect_run "unknown option" 2 "unknown option '--x'" "$lumio" export "$data/open/mixed.zt5" --x
finish
