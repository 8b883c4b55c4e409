#pragma once
// The catalogue tables of the action kinds, one function per kind, each defined in the file of its
// kind group; actionKindTable dispatches on the kind code.
//
// How a kind's table is written (types in action_table.h; the table is a function-local static, so its
// UTF-8 texts become GBK once):
//
//   const ActionKindTable& bitVariableTable() {
//       static const ActionKindTable table{
//           .param1 = names({"简单动作", "赋值"}),
//           .param2 = {
//               {1, names({"置0位变量", "置1位变量", "翻转位变量"})},
//               {2, numbered("位变量", 100, 1, UserNames::Applied)},   // 位变量1 .. 位变量100
//           },
//           .texts = {
//               text(1, 1, "位变量%s = 0", {T}),
//               text(1, 4, "点动位变量%s %s毫秒", {E(0), E(1)}),
//               text(2, kAny, "%s = %s", {P2, E(0)}),
//           },
//       };
//       return table;
//   }
//
// - Codes are list positions counted from 1, so list order is the file format: never reorder, never
//   delete. An entry the classic build lacks stays in place, marked notInClassic(...), e.g. kind 12:
//   {1, names({"表达式计算", notInClassic("线程等待..."), notInClassic("...")})}; the editor's
//   lists are (code, name) pairs (actionParam2Offered), so every offered position keeps its code.
//   renamedInClassic(name, classicName) gives an entry another name in the classic build, and
//   classicOnly(name) an entry only the classic build offers.
// - Param2Names pairs a parameter-1 range with its list: {3, ...}, {{4, 13}, ...}, {from(6), ...}.
//   numbered(word, count, firstNumber, UserNames) generates word + number (number = code - 1 +
//   firstNumber); UserNames::Applied shows the entries through the user-name overlay.
// - texts: the first rule whose p1, p2 (and item count, .whenCount(0) / .whenCount({0, 4}) /
//   .whenCount(countFrom(2))) match gives the text. Places: P1, P2, T (parameter-3 edit text), E(i)
//   (item i), R(i) (items i.. joined with ", "), A (the table's arrayWord), kCall / kIndexedCall (the
//   call forms). A "%%" prints "%". Fallbacks are ordinary rules placed last, e.g.
//   text(6, kAny, "%s", {R(0)}) or text(from(5), kAny, "%s  %s", {P2, T}). No match gives `prefix` alone
//   (empty unless the kind has one). .inClassic("...") gives a rule the classic build's own template.
// - The parameter-3 encoding of every kind is the one table in param3_forms.cpp, and the example entries
//   are the one table in action_examples.cpp; a kind table holds names and texts only.
#include "core/lang/actions/action_table.h"

namespace lumio::actions {

// The table of a kind code; null outside 1..20.
const ActionKindTable* actionKindTable(int kind);

// Kinds 1..3 (kind_outputs.cpp).
const ActionKindTable& outputRelayTable();  // 1 "输出继电器"
const ActionKindTable& timerTable();        // 2 "定时器"
const ActionKindTable& bitVariableTable();  // 3 "位变量"
// Kinds 4..7 (kind_numbers.cpp).
const ActionKindTable& integerTable();             // 4 "整数 (局部变量 整型 32位)"
const ActionKindTable& globalIntegerTable();       // 5 "全局整数 (全局变量 整型 32位)"
const ActionKindTable& floatTable();               // 6 "浮点数 (局部变量 双精度)"
const ActionKindTable& globalFloatTable();         // 7 "全局浮点数 (全局变量 双精度)"
// Kinds 8, 9 (kind_arrays.cpp).
const ActionKindTable& arrayTable();        // 8 "数组 (局部变量)"
const ActionKindTable& globalArrayTable();  // 9 "全局数组 (全局变量)"
// Kind 10, settings.
const ActionKindTable& systemSettingsTable();  // 10 "系统设置"
// Kinds 11, 14, 16, 20, communication.
const ActionKindTable& dataPortSendTable();     // 11 "数据口发送数据"
const ActionKindTable& protocolCommandTable();  // 14 "通讯协议发命令"
const ActionKindTable& internalBusTable();      // 16 "内部总线数据处理"
const ActionKindTable& networkTable();          // 20 "网络通讯"
// Kind 12 (kind_expressions.cpp), kind 13 (kind_functions.cpp).
const ActionKindTable& expressionTable();  // 12 "表达式"
const ActionKindTable& functionTable();    // 13 "函数处理"
// Kinds 15, 17, 18, 19: storage, files, display, signal outputs.
const ActionKindTable& powerLossStorageTable();  // 15 "掉电存储"
const ActionKindTable& sdCardTable();            // 17 "操作SD卡"
const ActionKindTable& lcdDisplayTable();        // 18 "点阵液晶显示"
const ActionKindTable& otherOutputTable();       // 19 "其他输出数据"

}  // namespace lumio::actions
