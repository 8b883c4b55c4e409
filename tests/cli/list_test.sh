#!/usr/bin/env bash
# lumio list: the listing lines of program and block files, store selection, errors.
set -u
source "$(dirname "$0")/lib.sh"

# expect_output NAME EXPECTED_STDOUT COMMAND...: exit 0 and exactly this standard output.
expect_output() {
  local name="$1" want="$2"
  shift 2
  local output status
  output="$("$@")"
  status=$?
  checks=$((checks + 1))
  if [ "$status" -ne 0 ] || [ "$output" != "$want" ]; then
    echo "FAIL $name: exit $status"
    diff <(printf '%s\n' "$want") <(printf '%s\n' "$output") | sed 's/^/    /'
    failures=$((failures + 1))
  fi
}

rules="$data/listing/rules.zt5"
main_lines='1    如果  启动键 断开到闭合
     并且  定时器0 > 100
     或者  位变量1  =1
     操作输出继电器 全部闭合
2    循环  for(整数0=0;整数0<8;整数0=整数0 + 1)
     {
     .  如果  位变量0  =1
     .  操作输出继电器 全部断开
     }
3    如果  数组0等于16进制数据 01 02 FF       备注:校验
     操作输出继电器 全部翻转'
function_lines='1    如果  输入1 闭合
     操作输出继电器 全部闭合'

expect_output "main by default" "$main_lines" "$lumio" list "$rules"
expect_output "main" "$main_lines" "$lumio" list "$rules" --store main
expect_output "option first" "$main_lines" "$lumio" list --store main "$rules"
expect_output "function 3" "$function_lines" "$lumio" list "$rules" --store function 3
expect_output "thread 2" "1    否则" "$lumio" list "$rules" --store thread 2
expect_output "empty function" "" "$lumio" list "$rules" --store function 4
expect_output "all, headed by the stores' shown names" "== 主程序 ==
$main_lines
== 报警 ==
$function_lines
== 线程2 ==
1    否则" "$lumio" list "$rules" --store all
expect_output "classic: no threads, function names kept" "== 主程序 ==
$main_lines
== 报警 ==
$function_lines" "$lumio" list "$rules" --store all --edition classic
expect_run "classic has no thread 2" 2 'no threads' "$lumio" list "$rules" --edition classic --store thread 2
expect_run "unknown edition" 2 'current or classic' "$lumio" list "$rules" --edition newest
expect_output "empty main" "" "$lumio" list "$data/listing/empty_main.zt5"
expect_output "all skips the empty main" "== 函数3 ==
1    操作输出继电器 全部闭合" "$lumio" list "$data/listing/empty_main.zt5" --store all
expect_output "block file, no user names" '1    如果  输入3 断开到闭合
     并且  定时器0 > 100
     或者  位变量1  =1
     操作输出继电器 全部闭合' "$lumio" list "$data/listing/block.hs5"

expect_run "refused file" 1 'refused: seal' "$lumio" list "$data/refuse/seal.zt5"
expect_run "refused block" 1 'refused: seal' "$lumio" list "$data/refuse/block_seal.hs5"
expect_run "missing file" 2 'cannot read' "$lumio" list "$work/missing.zt5"
expect_run "no file" 2 'usage: lumio list' "$lumio" list
expect_run "two files" 2 'one FILE' "$lumio" list "$rules" "$rules"
expect_run "unknown store" 2 "unknown store 'other'" "$lumio" list "$rules" --store other
expect_run "store without value" 2 'needs main' "$lumio" list "$rules" --store
expect_run "function without number" 2 'number 1..100' "$lumio" list "$rules" --store function
expect_run "function 0" 2 "number 1..100, not '0'" "$lumio" list "$rules" --store function 0
expect_run "thread 101" 2 "number 1..100, not '101'" "$lumio" list "$rules" --store thread 101
expect_run "block file has no functions" 2 'applies to .zt5' "$lumio" list "$data/listing/block.hs5" --store function 1
expect_run "unknown option" 2 "unknown option '--all'" "$lumio" list "$rules" --all
finish
