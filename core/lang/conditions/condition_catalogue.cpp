#include "core/lang/conditions/condition_catalogue.h"

#include <array>
#include <span>
#include <vector>

#include "core/lang/actions/system_functions.h"
#include "core/text/bytes.h"
#include "core/text/text_table.h"

namespace lumio {
namespace {

using Form = ConditionForm;

// One mode of a kind: its name in the editor's 参数2 list, how its parameter is stored, and the layout
// of its listing text (fields as in ConditionMode::layout). Position in the table = param2 - 1.
struct ModeRow {
    const char* name;
    Form form;
    const char* layout;
};

// ---- Kind 1, 外部输入 ----
constexpr ModeRow kInputModes[] = {
    {"断开", Form::None, "{O} {M}"},
    {"闭合", Form::None, "{O} {M}"},
    {"断开到闭合", Form::None, "{O} {M}"},
    {"闭合到断开", Form::None, "{O} {M}"},
    {"状态翻转", Form::None, "{O} {M}"},
    {"单击", Form::None, "{O} {M}"},
    {"双击", Form::None, "{O} {M}"},
    {"长按", Form::None, "{O} {M}"},
    {"连续按下多次（参数3表达式）", Form::Expression, "{O}连续按下{P}次"},
    {"等于参数3表达式", Form::Expression, "{O} = {P}"},
};

// ---- Kind 2, 输出状态变化 ----
constexpr ModeRow kOutputModes[] = {
    {"断开", Form::None, "{O} {M}"},
    {"闭合", Form::None, "{O} {M}"},
    {"断开到闭合", Form::None, "{O} {M}"},
    {"闭合到断开", Form::None, "{O} {M}"},
    {"状态翻转", Form::None, "{O} {M}"},
    {"等于参数3表达式", Form::Expression, "{O} = {P}"},
};

// ---- Kind 3, 定时器: the comparisons, then 减到0 ----
constexpr ModeRow kTimerModes[] = {
    {"等于某值", Form::Expression, "{O} = {P}"},
    {"大于某值", Form::Expression, "{O} > {P}"},
    {"小于某值", Form::Expression, "{O} < {P}"},
    {"大于等于", Form::Expression, "{O} 大于等于 {P}"},
    {"小于等于", Form::Expression, "{O} 小于等于 {P}"},
    {"不等于", Form::Expression, "{O} 不等于 {P}"},
    {"减到0", Form::None, "{O}{M}"},
};

// ---- Kind 4, 位变量 (two spaces before the mode) ----
constexpr ModeRow kBitModes[] = {
    {"=0", Form::None, "{O}  {M}"},
    {"=1", Form::None, "{O}  {M}"},
    {"0到1跳变", Form::None, "{O}  {M}"},
    {"1到0跳变", Form::None, "{O}  {M}"},
    {"状态翻转", Form::None, "{O}  {M}"},
    {"等于参数3", Form::Expression, "{O} = {P}"},
};

// ---- Kinds 5 and 6, integers: the comparisons, then 判断某一位 ----
constexpr ModeRow kIntegerModes[] = {
    {"等于某值", Form::Expression, "{O} = {P}"},
    {"大于某值", Form::Expression, "{O} > {P}"},
    {"小于某值", Form::Expression, "{O} < {P}"},
    {"大于等于", Form::Expression, "{O} 大于等于 {P}"},
    {"小于等于", Form::Expression, "{O} 小于等于 {P}"},
    {"不等于", Form::Expression, "{O} 不等于 {P}"},
    {"判断某一位", Form::Expression, "{O} 判断 位{P}"},
};

// ---- Kinds 7 and 8, floating-point numbers: the comparisons only ----
constexpr ModeRow kFloatModes[] = {
    {"等于某值", Form::Expression, "{O} = {P}"},
    {"大于某值", Form::Expression, "{O} > {P}"},
    {"小于某值", Form::Expression, "{O} < {P}"},
    {"大于等于", Form::Expression, "{O} 大于等于 {P}"},
    {"小于等于", Form::Expression, "{O} 小于等于 {P}"},
    {"不等于", Form::Expression, "{O} 不等于 {P}"},
};

// ---- Kinds 9 and 10, arrays ----
constexpr ModeRow kArrayModes[] = {
    {"等于16进制数据", Form::HexBytes, "{O}{M} {P}"},
    {"等于字符串", Form::RawText, "{O}{M} {P}"},
    {"等于格式化字符串", Form::ArgumentList, "{O}{M} {P}"},
    {"和校验判断", Form::None, "{O}{M}成功"},
    {"crc16校验判断", Form::None, "{O}{M}成功"},
    {"字节数判断", Form::Expression, "{O}字节数为{P}"},
    {"等于表达式", Form::Expression, "{O} = {P}"},
    {"包含表达式", Form::Expression, "{O}内容中包含{P}"},
    {"某位置开始等于表达式", Form::ArgumentList, "{O} 位置{A0} 等于{A1}"},
};

// ---- Kind 11, 固定输入 ----
// Object 1 上电初始化 has no modes and lists as "{O}" (kModelessPowerUp). Object 2 is never offered (its
// name is empty); its modes are kept so that a statement carrying it keeps its bytes.
constexpr const char* kModelessPowerUp = "{O}";
constexpr ModeRow kHiddenRemoteModes[] = {
    {"遥控信号(表达式)", Form::HexBytes, ""},
    {"", Form::ArgumentList, ""},
};

// ---- Kind 12, 时间设定 (any object) ----
constexpr ModeRow kClockModes[] = {
    {"固定格式 XX时XX分XX秒", Form::ClockTime, "{O}  {P}"},
};

// ---- Kind 13, 日期设定 (any object) ----
constexpr ModeRow kDateModes[] = {
    {"年设定 参数3值 2001-2099", Form::Expression, "当前年份 {O}{P}年"},
    {"月设定 参数3值 1-12", Form::Expression, "当前月份 {O}{P}月"},
    {"日设定 参数3值 1-31", Form::Expression, "当前日期 {O}{P}日"},
    {"星期设定 参数3值 1-7", Form::Expression, "当前星期 {O}星期{P}"},
    {"季度设定 参数3值 1-4", Form::Expression, "当前季度 {O}{P}季度"},
};

// ---- Kind 14, 数据口接收到数据 ----
constexpr ModeRow kDataPortModes[] = {
    {"有无判断", Form::None, "{O}接收到临时数据包"},
    {"等于16进制数据", Form::HexBytes, "{O}临时数据包等于16进制数据 {P}"},
    {"等于字符串", Form::RawText, "{O}临时数据包等于字符串 {P}"},
    {"等于格式化字符串", Form::ArgumentList, "{O}临时数据包等于格式化字符串 {P}"},
    {"和校验判断", Form::None, "{O}临时数据包和校验成功"},
    {"crc16校验判断", Form::None, "{O}临时数据包CRC16校验成功"},
    {"字节数判断", Form::Expression, "{O}临时数据包字节数为 {P}"},
    {"等于表达式", Form::Expression, "{O}临时数据包等于 {P}"},
    {"包含表达式", Form::Expression, "{O}临时数据包包含 {P}"},
    {"某位置开始等于表达式", Form::ArgumentList, "{O}临时数据包 位置{A0} 等于{A1}"},
};

// ---- Kind 15, 其他输入数据: an ArgumentList for every object ----
constexpr ModeRow kOnlineSwitchModes[] = {  // object 1: A0 board address, A1 channel
    {"断开", Form::RemoteChannel, "联机开关量 地址{A0} 第{A1}路 {M}"},
    {"闭合", Form::RemoteChannel, "联机开关量 地址{A0} 第{A1}路 {M}"},
    {"断开到闭合", Form::RemoteChannel, "联机开关量 地址{A0} 第{A1}路 {M}"},
    {"闭合到断开", Form::RemoteChannel, "联机开关量 地址{A0} 第{A1}路 {M}"},
    {"状态翻转", Form::RemoteChannel, "联机开关量 地址{A0} 第{A1}路 {M}"},
};
constexpr ModeRow kSharedValueModes[] = {  // objects 2 and 3: A0 which value, A1 the value compared with
    {"等于某值", Form::ArgumentList, "{O}{A0} = {A1}"},
    {"大于某值", Form::ArgumentList, "{O}{A0} > {A1}"},
    {"小于某值", Form::ArgumentList, "{O}{A0} < {A1}"},
    {"大于等于", Form::ArgumentList, "{O}{A0} 大于等于 {A1}"},
    {"小于等于", Form::ArgumentList, "{O}{A0} 小于等于 {A1}"},
    {"不等于", Form::ArgumentList, "{O}{A0} 不等于 {A1}"},
};
constexpr ModeRow kRadioRemoteModes[] = {  // object 4
    {"接收到无线遥控信号", Form::ArgumentList, "接收到无线遥控信号: {P}"},
    {"接收到无线遥控对码信号", Form::ArgumentList, "{M}"},
    {"接收到任意无线遥控信号", Form::ArgumentList, "接收到任意无线遥控信号"},
};
constexpr ModeRow kInfraredModes[] = {  // object 5
    {"接收到万能红外发射对码信号", Form::ArgumentList, "{M}"},
};

// ---- Kind 16, 函数表达式 ----
constexpr ModeRow kExpressionModes[] = {  // object 1
    {"一般计算表达式", Form::ConditionChain, "{P}"},
};
constexpr ModeRow kLoopModes[] = {  // object 3
    {"for循环", Form::ForHeader, "{P}"},
};
// Objects 2 and 4 and above are calls: the CallForm printed with the mode name as the function name.
constexpr const char* kCallLayout = "{P}";
const TextTable& systemFunctionNames() {  // object 4
    static const TextTable table{"提取数组", "提取数组尾部", "提取长度", "获取芯片唯一识别码"};
    return table;
}
const TextTable& outputFunctionNames() {  // object 6
    static const TextTable table{"检测输出断开到闭合", "检测输出闭合到断开", "检测输出翻转"};
    return table;
}
const TextTable& bitFunctionNames() {  // object 7
    static const TextTable table{"位变量断开到闭合", "位变量闭合到断开", "位变量翻转"};
    return table;
}
const TextTable& dataPortFunctionNames() {  // object 9
    static const TextTable table{"数据口接收到数据"};
    return table;
}

// ---- Kind 17, 内部总线接收到数据 (object 1): A0 the port ----
constexpr ModeRow kBusModes[] = {
    {"有无判断", Form::ArgumentList, "端口 {A0} 接收到数据包"},
    {"等于表达式", Form::ArgumentList, "端口 {A0} = {A1}"},
    {"字节数判断", Form::ArgumentList, "端口 {A0} 数据字节数为 {A1}"},
    {"包含表达式", Form::ArgumentList, "端口 {A0} 数据包含 {A1}"},
    {"某位置开始等于表达式", Form::ArgumentList, "端口 {A0}数据 位置 {A1} 等于 {A2}"},
};

// ---- Kind 18, 网络数据: A0 the controller or server-port number ----
constexpr ModeRow kUdpModes[] = {  // object 1
    {"判断接收到udp数据", Form::ArgumentList, "UDP控制器{A0} 接收到数据"},
    {"判断udp数据源IP地址", Form::ArgumentList, "UDP控制器{A0} 数据源IP为{A1}"},
    {"判断udp数据源端口", Form::ArgumentList, "UDP控制器{A0} 数据源端口为{A1}"},
    {"判断接收数据字节数等于", Form::ArgumentList, "UDP控制器{A0} 数据源字节数为{A1}"},
};
constexpr ModeRow kTcpModes[] = {  // object 2
    {"判断接收到tcp数据", Form::ArgumentList, "TCP控制器{A0} 接收到数据"},
    {"判断TCP连接成功", Form::ArgumentList, "TCP控制器{A0} 连接成功"},
    {"判断TCP发送数据成功", Form::ArgumentList, "TCP控制器{A0} 发送数据成功"},
    {"判断连接对方IP地址", Form::ArgumentList, "TCP控制器{A0} 对方IP{A1}"},
    {"判断连接对方端口", Form::ArgumentList, "TCP控制器{A0} 对方端口{A1}"},
};
constexpr ModeRow kTcpServerModes[] = {  // object 3 (two layouts end with a space)
    {"判断服务端口接收到数据", Form::ArgumentList, "TCP服务端口{A0} 接收到数据"},
    {"判断服务端口接收的数据的来源IP", Form::ArgumentList, "TCP服务端口{A0}接收到的数据的对方IP为{A1} "},
    {"判断服务端口接收的数据的来源端口", Form::ArgumentList, "TCP服务端口{A0}接收到的数据的对方端口为{A1} "},
    {"判断服务端口接收到数据的内容", Form::ArgumentList, "TCP服务端口{A0} 接收到的数据 = {A1}"},
    {"判断服务端口接收到数据的字节数", Form::ArgumentList, "TCP服务端口{A0} 接收到的数据的长度 = {A1}"},
    {"判断服务端口接收到数据的某几个字节", Form::ArgumentList, "TCP服务端口{A0} 接收到的数据 起始位置{A1} = {A2}"},
};

// Any kind outside 1..18.
constexpr const char* kUnknownKindLayout = "{O} {M} {P}";

// ---- Kind names ----
const TextTable& kindNames() {
    static const TextTable table{
        "外部输入",                   // 1
        "输出状态变化",               // 2
        "定时器",                     // 3
        "位变量",                     // 4
        "整数(局部变量 整型 32位)",   // 5
        "全局整数(全局变量 整型 32位)",  // 6
        "浮点数(局部变量 双精度)",    // 7
        "全局浮点数(全局变量 双精度)",  // 8
        "数组(局部变量)",             // 9
        "全局数组(全局变量)",         // 10
        "固定输入",                   // 11
        "时间设定",                   // 12
        "日期设定",                   // 13
        "数据口接收到数据",           // 14
        "其他输入数据",               // 15
        "函数表达式",                 // 16
        "内部总线接收到数据",         // 17
        "网络数据",                   // 18
    };
    return table;
}

// ---- Objects ----
// Numbered objects: word + number, the number being param1 - 1 + firstNumber, for param1 1..count.
struct NumberedObjects {
    const char* word;
    int count;
    int firstNumber;
    bool userNamed;
};
constexpr NumberedObjects kNoNumbered{nullptr, 0, 0, false};
constexpr std::array<NumberedObjects, 15> kNumberedObjects{{
    kNoNumbered,                       // 0
    {"输入", 200, 1, true},            // 1
    {"输出", 200, 1, true},            // 2
    {"定时器", 100, 0, true},          // 3
    {"位变量", 200, 0, true},          // 4
    {"整数", 100, 0, false},           // 5
    {"全局整数", 200, 0, true},        // 6
    {"浮点数", 200, 0, false},         // 7
    {"全局浮点数", 200, 0, true},      // 8
    {"数组", 100, 0, false},           // 9
    {"全局数组", 200, 0, true},        // 10
    kNoNumbered, kNoNumbered, kNoNumbered,  // 11..13 have fixed objects
    {"数据口", 10, 1, true},           // 14
}};

// The GBK word of a numbered kind, converted once.
const std::string& numberedWord(int kind) {
    static const std::array<std::string, kNumberedObjects.size()> words = [] {
        std::array<std::string, kNumberedObjects.size()> gbk;
        for (size_t k = 0; k < gbk.size(); ++k)
            if (kNumberedObjects[k].word != nullptr) gbk[k] = toGbk(kNumberedObjects[k].word);
        return gbk;
    }();
    return words[static_cast<size_t>(kind)];
}

const TextTable* fixedObjects(int kind) {
    static const TextTable fixedInputs{"上电初始化"};
    static const TextTable comparisons{"进入时刻", "大于", "小于", "等于"};
    static const TextTable otherInputs{"联机开关量", "公共数据量", "模拟量输入", "无线遥控信号", "万能红外信号"};
    static const TextTable functions{"表达式", "用户函数", "循环表达式", "系统函数", "外部输入相关函数",
                                     "输出操作相关函数", "位变量相关函数", "定时器相关函数", "数据口相关函数",
                                     "数学相关函数"};
    static const TextTable bus{"判断本机端口接收到的数据"};
    static const TextTable network{"UDP控制器", "TCP控制器", "TCP服务端口"};
    switch (kind) {
        case 11: return &fixedInputs;
        case 12:
        case 13: return &comparisons;
        case 15: return &otherInputs;
        case 16: return &functions;
        case 17: return &bus;
        case 18: return &network;
        default: return nullptr;
    }
}

// ---- Modes ----
struct Mode {
    std::string name;
    Form form;
    std::string layout;
};
using ModeList = std::vector<Mode>;

ModeList gbkModes(std::span<const ModeRow> rows) {
    ModeList list;
    list.reserve(rows.size());
    for (const ModeRow& row : rows) list.push_back({toGbk(row.name), row.form, toGbk(row.layout)});
    return list;
}

// Names of the call modes of kind 16: the function's name for a mode number, empty past the table.
using CallNames = std::string (*)(int mode, const LangContext& context);

std::string userFunctionName(int mode, const LangContext& context) {
    if (mode < 1 || mode > 100) return {};
    static const std::string word = gbkLiteral("函数");
    return displayName(context.names, word + std::to_string(mode));
}

CallNames callNames(int object) {
    switch (object) {
        case 2: return userFunctionName;
        case 4: return [](int mode, const LangContext&) { return systemFunctionNames().name(mode); };
        case 5: return [](int mode, const LangContext&) { return InputEventFunctionName(mode); };
        case 6: return [](int mode, const LangContext&) { return outputFunctionNames().name(mode); };
        case 7: return [](int mode, const LangContext&) { return bitFunctionNames().name(mode); };
        case 8: return [](int mode, const LangContext&) { return TimerFunctionName(mode); };
        case 9: return [](int mode, const LangContext&) { return dataPortFunctionNames().name(mode); };
        case 10: return [](int mode, const LangContext&) { return MathFunctionName(mode); };
        // Object 11 (SD-card functions) is never offered: its object name is empty. Its modes are named
        // so that a statement carrying it still lists its call.
        case 11: return [](int mode, const LangContext&) { return SdCardFunctionName(mode); };
        default: return nullptr;
    }
}

// The listed modes of (kind, param1), or null when the modes are not a fixed list.
const ModeList* modeList(int kind, int param1) {
    static const ModeList input = gbkModes(kInputModes);
    static const ModeList output = gbkModes(kOutputModes);
    static const ModeList timer = gbkModes(kTimerModes);
    static const ModeList bit = gbkModes(kBitModes);
    static const ModeList integer = gbkModes(kIntegerModes);
    static const ModeList floating = gbkModes(kFloatModes);
    static const ModeList array = gbkModes(kArrayModes);
    static const ModeList hiddenRemote = gbkModes(kHiddenRemoteModes);
    static const ModeList clock = gbkModes(kClockModes);
    static const ModeList date = gbkModes(kDateModes);
    static const ModeList dataPort = gbkModes(kDataPortModes);
    static const ModeList onlineSwitch = gbkModes(kOnlineSwitchModes);
    static const ModeList sharedValue = gbkModes(kSharedValueModes);
    static const ModeList radioRemote = gbkModes(kRadioRemoteModes);
    static const ModeList infrared = gbkModes(kInfraredModes);
    static const ModeList expression = gbkModes(kExpressionModes);
    static const ModeList loop = gbkModes(kLoopModes);
    static const ModeList bus = gbkModes(kBusModes);
    static const ModeList udp = gbkModes(kUdpModes);
    static const ModeList tcp = gbkModes(kTcpModes);
    static const ModeList tcpServer = gbkModes(kTcpServerModes);
    switch (kind) {
        case 1: return &input;
        case 2: return &output;
        case 3: return &timer;
        case 4: return &bit;
        case 5:
        case 6: return &integer;
        case 7:
        case 8: return &floating;
        case 9:
        case 10: return &array;
        case 11: return param1 == 2 ? &hiddenRemote : nullptr;
        case 12: return &clock;
        case 13: return &date;
        case 14: return &dataPort;
        case 15:
            switch (param1) {
                case 1: return &onlineSwitch;
                case 2:
                case 3: return &sharedValue;
                case 4: return &radioRemote;
                case 5: return &infrared;
                default: return nullptr;
            }
        case 16: return param1 == 1 ? &expression : param1 == 3 ? &loop : nullptr;
        case 17: return param1 == 1 ? &bus : nullptr;
        case 18: return param1 == 1 ? &udp : param1 == 2 ? &tcp : param1 == 3 ? &tcpServer : nullptr;
        default: return nullptr;
    }
}

const Mode* listedMode(int kind, int param1, int param2) {
    const ModeList* list = modeList(kind, param1);
    if (list == nullptr || param2 < 1 || static_cast<size_t>(param2) > list->size()) return nullptr;
    return &(*list)[static_cast<size_t>(param2) - 1];
}

// ---- Examples (kind, param1, param2 range, texts by slot) ----
struct ExampleRow {
    int kind;
    int param1;
    int firstMode;
    int lastMode;
    std::vector<const char*> texts;
};

const std::vector<ExampleRow>& exampleRows() {
    static const std::vector<ExampleRow> rows{
        {16, 3, 1, 1, {"for(整数0=0;整数0<8;整数0=整数0+1)", "for(整数0=0;整数0<16;整数0=整数0+1)"}},
        {18, 1, 1, 1, {"0", "1"}},
        {18, 1, 2, 2, {"0,\"192.168.1.110\""}},
        {18, 1, 3, 3, {"0,6000"}},
        {18, 1, 4, 4, {"0,8"}},
        {18, 2, 1, 3, {"0", "1"}},
        {18, 2, 4, 4, {"0,\"192.168.1.110\""}},
        {18, 2, 5, 5, {"0,6000"}},
        {18, 3, 1, 1, {"6010", "6011", "6012", "6013", "6014"}},
        {18, 3, 2, 2, {"6010,\"192.168.1.110\"", "6011,\"192.168.1.110\""}},
        {18, 3, 3, 3, {"6010,6010", "6011,6010"}},
        {18, 3, 4, 4, {"6010,{01 02 03}", "6011,\"示例字符串\""}},
        {18, 3, 5, 5, {"6010,5", "6011,10"}},
        {18, 3, 6, 6, {"6010,0,{01 02 03}", "6011,1,\"示例字符串\"", "6011,3,\"示例字符串\""}},
    };
    return rows;
}

}  // namespace

std::string conditionKindName(int kind) { return kindNames().name(kind); }

std::string conditionObjectName(int kind, int param1, const LangContext& context) {
    if (kind >= 0 && static_cast<size_t>(kind) < kNumberedObjects.size() &&
        kNumberedObjects[static_cast<size_t>(kind)].word != nullptr) {
        const NumberedObjects& objects = kNumberedObjects[static_cast<size_t>(kind)];
        if (param1 < 1 || param1 > objects.count) return {};
        std::string name = numberedWord(kind) + std::to_string(param1 - 1 + objects.firstNumber);
        return objects.userNamed ? displayName(context.names, name) : name;
    }
    const TextTable* fixed = fixedObjects(kind);
    return fixed != nullptr ? fixed->name(param1) : std::string();
}

std::string conditionModeName(int kind, int param1, int param2, const LangContext& context) {
    if (const Mode* mode = listedMode(kind, param1, param2)) return mode->name;
    if (kind == 16)
        if (CallNames names = callNames(param1)) return names(param2, context);
    return {};
}

ConditionMode conditionMode(int kind, int param1, int param2) {
    static const std::string modeless = toGbk(kModelessPowerUp);
    static const std::string call = toGbk(kCallLayout);
    static const std::string unknownKind = toGbk(kUnknownKindLayout);
    // Unknown kinds keep no parameter, as unknown action kinds do; their text is "{O} {M} {P}" with
    // all three empty.
    if (kind < 1 || kind > 18) return {Form::None, unknownKind};
    if (kind == 11 && param1 == 1) return {Form::None, modeless};
    if (kind == 16 && param1 == 2) {
        if (param2 >= 1 && param2 <= 100) return {Form::CallForm, call};
        return {};
    }
    if (kind == 16 && param1 >= 4) return {Form::CallForm, call};
    if (const Mode* mode = listedMode(kind, param1, param2)) return {mode->form, mode->layout};
    return {};
}

std::string conditionExample(int kind, int param1, int param2, int slot) {
    for (const ExampleRow& row : exampleRows()) {
        if (row.kind != kind || row.param1 != param1 || param2 < row.firstMode || param2 > row.lastMode) continue;
        if (slot < 1 || static_cast<size_t>(slot) > row.texts.size()) return {};
        return toGbk(row.texts[static_cast<size_t>(slot) - 1]);
    }
    return {};
}

}  // namespace lumio
