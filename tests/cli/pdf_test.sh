#!/usr/bin/env bash
# lumio pdf: the printed listing of a program as a PDF, without a display. Its text (pdftotext) holds
# every listing line in order, a heading for each store with statements, the user-name table, and on
# every page the file name and "第 n 页 / 共 m 页"; its fonts are embedded.
set -u
source "$(dirname "$0")/lib.sh"

if ! "$lumio" --help | grep -q '^  lumio pdf'; then
  echo "lumio built without the Qt programs: no pdf command, nothing to check"
  exit 0
fi
for tool in pdftotext pdfinfo pdffonts; do
  command -v "$tool" >/dev/null || { echo "FAIL $tool (poppler-utils) is not installed"; exit 1; }
done
unset DISPLAY WAYLAND_DISPLAY
export SOURCE_DATE_EPOCH=1796895000  # 2026-12-10 09:30 UTC

# squeeze FILE: the lines of FILE with runs of blanks as one space and no blanks at either end.
squeeze() { sed -e 's/[[:space:]]\+/ /g' -e 's/^ //' -e 's/ $//' -e '/^$/d' "$1"; }

# in_order NAME EXPECTED ACTUAL: each line of EXPECTED is found, in order, within a line of ACTUAL.
in_order() {
  local name="$1"
  checks=$((checks + 1))
  local missing
  missing="$(awk 'NR == FNR { want[n++] = $0; next } i < n && index($0, want[i]) { i++ }
                  END { if (i < n) print want[i] }' <(squeeze "$2") <(squeeze "$3"))"
  if [ -n "$missing" ]; then
    echo "FAIL $name: not found in order: $missing"
    failures=$((failures + 1))
  fi
}

# pages_carry_footers NAME PDF FILE_NAME: every page names the file and says "第 n 页 / 共 m 页"; sets
# `pages` to the page count.
pages_carry_footers() {
  local name="$1" pdf="$2" file_name="$3" page
  pages="$(pdfinfo "$pdf" 2>/dev/null | awk '/^Pages:/ { print $2 }')"
  pages="${pages:-0}"
  for page in $(seq 1 "$pages"); do
    # pdftotext keeps the narrow spaces of the footer or not, depending on the face.
    expect_run "$name page $page footer" 0 "第 ?$page ?页 ?/ ?共 ?$pages ?页" pdftotext -f "$page" -l "$page" -layout "$pdf" -
    expect_run "$name page $page header" 0 "$file_name" pdftotext -f "$page" -l "$page" -layout "$pdf" -
  done
}

# A program with a function and a thread that hold statements, and user names.
expect_run "pdf of a program" 0 '' "$lumio" pdf "$data/open/mixed.zt5" -o "$work/mixed.pdf"
pdftotext -layout "$work/mixed.pdf" "$work/mixed.txt"
"$lumio" list "$data/open/mixed.zt5" --store all | sed 's/^== \(.*\) ==$/\1/' >"$work/mixed-listing.txt"
printf '%s\n' '用户名称' '用户名称 默认名称' '温度 全局整数5' '启动键 输入3' >>"$work/mixed-listing.txt"
in_order "program lines, headings and names" "$work/mixed-listing.txt" "$work/mixed.txt"
expect_run "print date" 0 '打印日期：2026-12-10' cat "$work/mixed.txt"
expect_run "program size" 0 '程序大小：[0-9]+ 字节' cat "$work/mixed.txt"
pages_carry_footers mixed "$work/mixed.pdf" mixed.zt5
checks=$((checks + 1))
[ "$pages" = 1 ] || { echo "FAIL mixed has $pages pages, not one"; failures=$((failures + 1)); }
checks=$((checks + 1))
if pdffonts "$work/mixed.pdf" | awk 'NR > 2 && $(NF - 4) != "yes" { bad = 1 } END { exit !bad }'; then
  echo "FAIL fonts not embedded"; pdffonts "$work/mixed.pdf"; failures=$((failures + 1))
fi

# A long main program runs over several pages; each page has its header and footer. A line too long
# for the page wraps under its text: nothing is cut.
long_terms="全局整数1+全局整数2*全局整数3-全局整数4+全局整数5*全局整数6-全局整数7+全局整数8*全局整数9-全局整数10+全局整数11"
statement="$("$lumio" statement --action 5 1 1 --comment 末尾备注 -- "$long_terms")"
long_text="$(printf '%s\n' "$statement" | sed -n 's/^text: //p')"
# The record as the program text groups it: flags, then kind, param1, param2 and N, then param3, then
# the comment.
long_record="$(printf '%s\n' "$statement" | sed -n 's/^record: //p' | tr 'A-F' 'a-f' |
  awk 'function hex(h) { return (index("0123456789abcdef", substr(h, 1, 1)) - 1) * 16 + index("0123456789abcdef", substr(h, 2, 1)) - 1 }
       { n = hex($7); printf "%s%s%s ", $1, $2, $3; printf "%s%s%s%s ", $4, $5, $6, $7
         for (i = 8; i < 8 + n; i++) printf "%s", $i; if (n) printf " "
         for (; i <= NF; i++) printf "%s", $i; print "" }' | sed 's/ $//')"
{
  printf 'lumio program text 1\nfile .zt5\n== main\n'
  printf '1    %s | %s\n' "$long_text" "$long_record"
  for rule in $(seq 2 150); do
    printf '%-5s如果  输入1 断开 | 090000 01010102 0100\n' "$rule"
    printf '     全局整数0 =  | 078000 05010100\n'
  done
} >"$work/long.txt"
expect_run "long program text" 0 '' "$lumio" import "$work/long.txt" -o "$work/long.zt5"
expect_run "pdf of a long program" 0 '' "$lumio" pdf "$work/long.zt5" -o "$work/long.pdf"
"$lumio" list "$work/long.zt5" >"$work/long-listing.txt"
pdftotext -layout "$work/long.pdf" "$work/long-pdf.txt"
sed -i 1d "$work/long-listing.txt"
in_order "long program lines" "$work/long-listing.txt" "$work/long-pdf.txt"
expect_run "long line, first part" 0 '^ *1 +全局整数0 = 全局整数1 \+ 全局整数2' cat "$work/long-pdf.txt"
expect_run "long line, wrapped part" 0 '全局整数11 +备注:末尾备注' cat "$work/long-pdf.txt"
pages_carry_footers long "$work/long.pdf" long.zt5
expect_run "continued store named" 0 '主程序（续）' pdftotext -f 2 -l 2 "$work/long.pdf" -
checks=$((checks + 1))
[ "$pages" -ge 3 ] || { echo "FAIL long program has $pages pages"; failures=$((failures + 1)); }

# A block file prints its one statement list.
expect_run "pdf of a block file" 0 '' "$lumio" pdf "$data/open/three.hs5" -o "$work/three.pdf"
pdftotext -layout "$work/three.pdf" "$work/three.txt"
"$lumio" list "$data/open/three.hs5" >"$work/three-listing.txt"
in_order "block lines" "$work/three-listing.txt" "$work/three.txt"

# Refused input writes nothing; usage errors.
echo keep >"$work/kept.pdf"
expect_run "refused file" 1 'refused: ' "$lumio" pdf "$data/refuse/seal.zt5" -o "$work/kept.pdf"
expect_run "nothing written" 0 '^keep$' cat "$work/kept.pdf"
expect_run "pdf needs -o" 2 'usage: lumio pdf' "$lumio" pdf "$data/open/mixed.zt5"
expect_run "missing file" 2 'cannot read' "$lumio" pdf "$work/missing.zt5" -o "$work/missing.pdf"
expect_run "unwritable output" 2 'lumio: ' "$lumio" pdf "$data/open/mixed.zt5" -o "$work/no/such/folder.pdf"
finish
