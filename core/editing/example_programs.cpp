#include "core/editing/example_programs.h"

#include "core/lang/actions/action_text.h"
#include "core/lang/conditions/condition_param.h"
#include "core/text/gbk.h"

namespace lumio {
namespace {

// Catalogue codes the examples use.
namespace codes {
// Conditions.
constexpr int kInput = 1;          // 外部输入: object 输入p
constexpr int kOpen = 1;           // 断开
constexpr int kClosed = 2;         // 闭合
constexpr int kOpenToClosed = 3;   // 断开到闭合
constexpr int kClick = 6;          // 单击
constexpr int kFixedInput = 11;    // 固定输入
constexpr int kPowerUp = 1;        // 上电初始化
constexpr int kPortReceived = 14;  // 数据口接收到数据: object 数据口p
constexpr int kPacketHex = 2;      // 临时数据包等于16进制数据
constexpr int kPacketText = 3;     // 临时数据包等于字符串
// Actions.
constexpr int kRelay = 1;          // 输出继电器
constexpr int kSimpleAction = 1;   // 简单动作
constexpr int kCloseOutput = 1;    // 闭合某路
constexpr int kOpenOutput = 2;     // 断开某路
constexpr int kToggleOutput = 3;   // 翻转某路
constexpr int kSystemSetting = 10; // 系统设置
constexpr int kPacketSetting = 6;  // 临时数据包设置
constexpr int kPacketGap = 4;      // 临时数据包间隔时间设置
constexpr int kPortSend = 11;      // 数据口发送数据: p1 the data port
constexpr int kSendHex = 1;        // 发送16进制数据
constexpr int kSendText = 2;       // 发送字符串
}  // namespace codes

class Builder {
public:
    explicit Builder(const LangContext& context) : context_(context) {}

    Builder& when(int kind, int p1, int p2, const char* param3 = "", const char* comment = nullptr) {
        Statement statement;
        set(statement, kind, p1, p2, comment);
        encodeConditionParam(statement, toGbk(param3), context_);
        store_.statements.push_back(std::move(statement));
        return *this;
    }
    Builder& then(int kind, int p1, int p2, const char* param3 = "", const char* comment = nullptr) {
        Statement statement;
        statement.isAction = 1;
        set(statement, kind, p1, p2, comment);
        encodeActionParam(statement, toGbk(param3), context_);
        store_.statements.push_back(std::move(statement));
        return *this;
    }
    ProgramStore done() {
        store_.recomputeDepths();
        return std::move(store_);
    }

private:
    static void set(Statement& statement, int kind, int p1, int p2, const char* comment) {
        statement.setKind(static_cast<std::uint8_t>(kind));
        statement.setParam1(static_cast<std::uint8_t>(p1));
        statement.setParam2(static_cast<std::uint8_t>(p2));
        if (comment) statement.comment = toGbk(comment);
    }

    const LangContext& context_;
    ProgramStore store_;
};

}  // namespace

std::string exampleProgramName(ExampleProgram example) {
    switch (example) {
        case ExampleProgram::InputSendsData: return toGbk("输入发送数据程序");
        case ExampleProgram::InputJogsOutput: return toGbk("输入控制输出点动程序");
        case ExampleProgram::InputLatchesOutput: return toGbk("输入控制输出自锁程序");
        case ExampleProgram::PacketSendsData: return toGbk("数据口发送数据(118)");
    }
    return {};
}

ProgramStore exampleProgram(ExampleProgram example, const LangContext& context) {
    using namespace codes;
    Builder program(context);
    switch (example) {
        case ExampleProgram::InputSendsData:
            program.when(kInput, 1, kOpenToClosed, "", "按下输入1，数据口1发送一行字符串")
                .then(kPortSend, 1, kSendText, "Input 1 pressed")
                .when(kInput, 2, kOpenToClosed, "", "按下输入2，数据口1发送16进制数据")
                .then(kPortSend, 1, kSendHex, "01 05 00 00 FF 00");
            break;
        case ExampleProgram::InputJogsOutput:
            program.when(kInput, 1, kClosed, "", "点动：输入1闭合时输出1闭合")
                .then(kRelay, kSimpleAction, kCloseOutput, "1")
                .when(kInput, 1, kOpen, "", "输入1断开时输出1随之断开")
                .then(kRelay, kSimpleAction, kOpenOutput, "1");
            break;
        case ExampleProgram::InputLatchesOutput:
            program.when(kInput, 1, kOpenToClosed, "", "启动按钮：输出1闭合并保持")
                .then(kRelay, kSimpleAction, kCloseOutput, "1")
                .when(kInput, 2, kOpenToClosed, "", "停止按钮：输出1断开")
                .then(kRelay, kSimpleAction, kOpenOutput, "1")
                .when(kInput, 3, kClick, "", "单按钮自锁：每单击一次输出2翻转")
                .then(kRelay, kSimpleAction, kToggleOutput, "2");
            break;
        case ExampleProgram::PacketSendsData:
            program.when(kFixedInput, kPowerUp, 0, "", "上电时设定数据口1的临时数据包：间隔20毫秒为一包")
                .then(kSystemSetting, kPacketSetting, kPacketGap, "1,20")
                .when(kPortReceived, 1, kPacketHex, "01 03 00 00", "收到查询包，数据口1回复16进制数据")
                .then(kPortSend, 1, kSendHex, "01 03 02 00 01")
                .when(kPortReceived, 1, kPacketText, "ON", "收到字符串ON，闭合输出1并回复OK")
                .then(kRelay, kSimpleAction, kCloseOutput, "1")
                .then(kPortSend, 1, kSendText, "OK");
            break;
    }
    return program.done();
}

}  // namespace lumio
