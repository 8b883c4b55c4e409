#!/usr/bin/env bash
# lumio statement: record bytes and listing text of one statement encoded as the statement editor does.
set -u
source "$(dirname "$0")/lib.sh"

# expect_statement NAME RECORD TEXT ARGUMENTS...: exit 0 and exactly the two lines.
expect_statement() {
  local name="$1" record="$2" text="$3"
  shift 3
  local output status want
  output="$("$lumio" statement "$@")"
  status=$?
  want="record: $record
text: $text"
  checks=$((checks + 1))
  if [ "$status" -ne 0 ] || [ "$output" != "$want" ]; then
    echo "FAIL $name: exit $status"
    diff <(printf '%s\n' "$want") <(printf '%s\n' "$output") | sed 's/^/    /'
    failures=$((failures + 1))
  fi
}

# name                    record                                     text                 arguments
expect_statement "no parameter" "07 00 00 01 03 03 00" "输入3 断开到闭合" --condition 1 3 3
expect_statement "typed text is ignored without a parameter" "07 00 00 01 03 03 00" "输入3 断开到闭合" \
  --condition 1 3 3 -- 整数1
expect_statement "expression" "0E 00 00 03 01 02 07 07 06 01 00 00 00 64" "定时器0 > 100" --condition 3 1 2 -- 100
expect_statement "blanks trimmed" "0E 00 00 03 01 02 07 07 06 01 00 00 00 64" "定时器0 > 100" \
  --condition 3 1 2 -- "  100	"
expect_statement "or flag" "07 40 00 02 01 02 00" "输出1 闭合" --condition 2 1 2 --or
expect_statement "hex bytes and a comment" "0E 00 00 09 01 01 03 01 02 FF D0 A3 D1 E9" \
  "数组0等于16进制数据 01 02 FF       备注:校验" --condition 9 1 1 --comment 校验 -- 1 2 ff
expect_statement "hex groups: digits up to the first other character, low 8 bits" \
  "0B 80 00 08 03 01 04 00 00 07 89" "数组0 = 16进制数据：00 00 07 89" --action 8 3 1 -- '0x10 -1 7 123456789'
expect_statement "argument list" "16 00 00 12 03 05 0F 0F 07 06 01 00 00 17 7A 07 06 01 00 00 00 05" \
  "TCP服务端口6010 接收到的数据的长度 = 5" --condition 18 3 5 -- 6010,5
expect_statement "typographic quotes" "0C 00 00 0E 01 08 05 05 04 20 4F 4B" '数据口1临时数据包等于 "OK"' \
  --condition 14 1 8 -- '“OK”'
expect_statement "typographic quotes stay beside ASCII ones" "08 00 00 0E 01 08 01 01" "数据口1临时数据包等于 " \
  --condition 14 1 8 -- '“O"K”'
expect_statement "block begin" "07 80 00 0C 02 00 00" "{" --action 12 2 0
expect_statement "action parameter" "0F 80 00 01 01 01 08 08 07 06 01 00 00 00 03" "操作输出继电器 闭合第 3 路" \
  --action 1 1 1 -- 3
expect_statement "the comment keeps 63 bytes in the record" \
  "46 80 00 0C 02 00 00 $(printf '61 %.0s' $(seq 62))61" "{       备注:$(printf 'a%.0s' $(seq 70))" \
  --action 12 2 0 --comment "$(printf 'a%.0s' $(seq 70))"

long_header="for($(for i in $(seq 20); do printf '整数0=整数1+整数2;'; done))"
expect_run "parameter too long" 1 'does not fit' "$lumio" statement --condition 16 3 1 -- "$long_header"
expect_run "a character GBK cannot hold" 1 'GBK cannot hold “•” \(U\+2022\) in the parameter' \
  "$lumio" statement --action 8 2 1 -- "a•b"
# A Windows command line is UTF-16: there the stray byte arrives as U+FFFD, refused as such.
expect_run "malformed UTF-8 in the comment" 1 \
  'GBK cannot hold (malformed UTF-8 bytes FF|“�” \(U\+FFFD\)) in the comment' \
  "$lumio" statement --condition 1 1 1 --comment "$(printf 'ok\377')"
expect_run "no flag" 2 'condition or --action' "$lumio" statement 1 1 1
expect_run "both flags" 2 'not both' "$lumio" statement --condition --action 1 1 1
expect_run "two codes" 2 'KIND P1 P2' "$lumio" statement --condition 1 1
expect_run "code too large" 2 "KIND must be a code 0..255, not '256'" "$lumio" statement --condition 256 1 1
expect_run "code not a number" 2 "P2 must be a code 0..255, not 'x'" "$lumio" statement --condition 1 1 x
expect_run "or on an action" 2 'conditions only' "$lumio" statement --action 1 1 1 --or
expect_run "comment without text" 2 'needs a TEXT' "$lumio" statement --condition 1 1 1 --comment
expect_run "unknown option" 2 "unknown option '--and'" "$lumio" statement --condition 1 1 1 --and
expect_run "usage line" 2 'usage: lumio statement' "$lumio" statement
finish
