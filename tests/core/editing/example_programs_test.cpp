#include <gtest/gtest.h>

#include "core/editing/example_programs.h"
#include "core/listing/listing.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

std::vector<std::string> listingOf(ExampleProgram example) {
    std::vector<std::string> lines;
    for (const ListingLine& line : renderListing(exampleProgram(example, {}), {})) lines.push_back(toUtf8(line.text));
    return lines;
}

// The examples read in the listing as the rules they teach; a changed catalogue code shows here.
TEST(ExamplePrograms, ListAsTheirRules) {
    const std::string c = "       备注:";
    EXPECT_EQ(listingOf(ExampleProgram::InputSendsData),
              (std::vector<std::string>{
                  "1    如果  输入1 断开到闭合" + c + "按下输入1，数据口1发送一行字符串",
                  "     数据口1发送字符串:Input 1 pressed",
                  "2    如果  输入2 断开到闭合" + c + "按下输入2，数据口1发送16进制数据",
                  "     数据口1发送16进制数据:01 05 00 00 FF 00",
              }));
    EXPECT_EQ(listingOf(ExampleProgram::InputJogsOutput),
              (std::vector<std::string>{
                  "1    如果  输入1 闭合" + c + "点动：输入1闭合时输出1闭合",
                  "     操作输出继电器 闭合第 1 路",
                  "2    如果  输入1 断开" + c + "输入1断开时输出1随之断开",
                  "     操作输出继电器 断开第 1 路",
              }));
    EXPECT_EQ(listingOf(ExampleProgram::InputLatchesOutput),
              (std::vector<std::string>{
                  "1    如果  输入1 断开到闭合" + c + "启动按钮：输出1闭合并保持",
                  "     操作输出继电器 闭合第 1 路",
                  "2    如果  输入2 断开到闭合" + c + "停止按钮：输出1断开",
                  "     操作输出继电器 断开第 1 路",
                  "3    如果  输入3 单击" + c + "单按钮自锁：每单击一次输出2翻转",
                  "     操作输出继电器 翻转第 2 路",
              }));
    EXPECT_EQ(listingOf(ExampleProgram::PacketSendsData),
              (std::vector<std::string>{
                  "1    如果  上电初始化" + c + "上电时设定数据口1的临时数据包：间隔20毫秒为一包",
                  "     数据口1临时数据包间隔时间为20毫秒",
                  "2    如果  数据口1临时数据包等于16进制数据 01 03 00 00" + c + "收到查询包，数据口1回复16进制数据",
                  "     数据口1发送16进制数据:01 03 02 00 01",
                  "3    如果  数据口1临时数据包等于字符串 ON" + c + "收到字符串ON，闭合输出1并回复OK",
                  "     操作输出继电器 闭合第 1 路",
                  "     数据口1发送字符串:OK",
              }));
}

TEST(ExamplePrograms, SurviveAFileRecord) {
    for (const ExampleProgram example : kExamplePrograms) {
        EXPECT_FALSE(exampleProgramName(example).empty());
        const ProgramStore store = exampleProgram(example, {});
        for (const Statement& statement : store.statements) {
            // Comments a record would cut, or statements that change on the way through a file, are faults.
            EXPECT_LE(statement.comment.size(), kMaxRecordComment) << toUtf8(statement.comment);
            EXPECT_EQ(readStatementRecord(statementRecord(statement)), statement);
        }
    }
}

}  // namespace
}  // namespace lumio
