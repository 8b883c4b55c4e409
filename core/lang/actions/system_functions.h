#pragma once
// The board's built-in functions, by family and code. An action calls one with kind 13 ("函数处理"),
// parameter 1 = the family (4..13) and parameter 2 = the function; condition kind 16 tests the value of
// a call from four of these tables. Only the two codes are stored; the name is looked up when listed.
// Every table gives the empty text for a code outside it (0 included).
#include <string>

#include "core/lang/actions/action_table.h"

namespace lumio {

// Family 9 "数学函数", 21 functions.
std::string MathFunctionName(int code);
// Family 10 "外部输入", 10 functions.
std::string InputEventFunctionName(int code);
// Family 8 "SD卡相关系统函数", 10 functions.
std::string SdCardFunctionName(int code);
// Family 12 "定时器操作", 11 functions.
std::string TimerFunctionName(int code);
// The function `code` of a family (parameter-1 code 4..13 of kind 13); empty outside.
std::string systemFunctionName(int family, int code);

namespace actions {
// The name list of a family (an empty list outside 4..13).
const NameList& systemFunctionList(int family);
}  // namespace actions

}  // namespace lumio
