#pragma once
// The example programs the listing's context menu (导入示例程序) inserts: each a few rules, built
// from real statements, that show the feature its menu entry names.
#include <string>
#include <vector>

#include "core/lang/context.h"
#include "core/model/program_store.h"

namespace lumio {

enum class ExampleProgram {
    InputSendsData,      // 输入发送数据程序
    InputJogsOutput,     // 输入控制输出点动程序
    InputLatchesOutput,  // 输入控制输出自锁程序
    PacketSendsData,     // 临时数据包相关程序 → 数据口发送数据(118)
};

inline constexpr ExampleProgram kExamplePrograms[] = {ExampleProgram::InputSendsData, ExampleProgram::InputJogsOutput,
                                                      ExampleProgram::InputLatchesOutput,
                                                      ExampleProgram::PacketSendsData};

// The menu entry's text (GBK).
std::string exampleProgramName(ExampleProgram example);

// The statements of the example, depths computed; each rule's first line carries a comment that says
// what the rule does.
ProgramStore exampleProgram(ExampleProgram example, const LangContext& context);

}  // namespace lumio
