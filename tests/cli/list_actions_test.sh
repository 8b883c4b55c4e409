#!/usr/bin/env bash
# lumio list on actions of the settings, communication, storage, file, display and signal-output kinds:
# every line exactly, trailing blanks included (each expected line is quoted so they stay visible).
set -u
source "$(dirname "$0")/lib.sh"

expected=(
  '1    线程阻塞等待10毫秒'
  '     1, 2, 3'
  '     整数转字符串场宽(总位数) = 8'
  '     将联机开关量地址1 线路2 数量8映射为本机 输入9 数量8'
  '     设置普通IO推挽输出 PA0'
  '     校准时间：2024年5月6日 星期1 12时30分0秒 '
  '     上电设置 行列式led亮度默认 50 %'
  '     设置全局整数掉电自动保存 从0开始 前 10 个全局整数支持掉电保存'
  '     设置某几个连续的全局整数支持掉电自动保存 从 5 开始 到 9 结束  支持掉电保存'
  '     输入不合法'
  '     暂停本线程'
  '     停止线程2'
  '     主口发送16进制数据:01 02 00'
  '     数据口2发送字符串:AT+RST'
  '     通过数据口主口 闭合联机继电器 地址2第3路'
  '     提取本机接收到的modbus从机寄存器的值 数据口:1  模块地址:2 寄存器地址:3 的值 赋值给4 '
  '     批量提取本机接收到的modbus从机寄存器的值 数据口:1  模块地址:2 寄存器地址:3 的值 赋值给4 并且依次顺延数量5'
  '     '
  '     写双精度浮点数 浮点数0 铁电存储器内部地址 8'
  '     设置发送数据使用 本地端口0'
  '     设置 内部总线通信波特率 200K'
  '     关闭文件  保存并关闭文件'
  '     只读方式打开文件:"a.txt"'
  '     画图 画圆 10, 10, 5'
  '     红外发射通道2发射红外码: {01 02 03}'
  '     脉冲输出1 停止'
  '     TCP控制器0 断开连接'
  '     打开TCP服务端口 4001, 5002, 7000 '
  '     服务端口 6010 向客户端ip:"192.168.1.100" 端口:3000 发送数据 {01 02 03}'
  '       1, 2'
  '     '
)
want="$(printf '%s\n' "${expected[@]}")"
output="$("$lumio" list "$data/listing/actions.zt5")"
status=$?
checks=$((checks + 1))
if [ "$status" -ne 0 ] || [ "$output" != "$want" ]; then
  echo "FAIL actions listing: exit $status"
  diff <(printf '%s\n' "$want" | cat -A) <(printf '%s\n' "$output" | cat -A) | sed 's/^/    /'
  failures=$((failures + 1))
fi
finish
