#include "core/link/link_texts.h"

#include "core/text/gbk.h"

namespace lumio {

namespace caption {
std::string notice() { return toGbk("提示"); }
std::string warning() { return toGbk("注意"); }
std::string addressRead() { return toGbk("读取成功"); }
}  // namespace caption

std::string readDoneText() { return toGbk("全部数据已读取完毕！"); }
std::string readBadFrameText() { return toGbk("数据出错"); }
std::string readBadImageText() { return toGbk("数据有误！"); }
std::string readTimeoutText() { return toGbk("目标板无应答，读取超时失败！"); }
std::string writeDoneText() { return toGbk("全部数据已写入！"); }
std::string writeTimeoutText() { return toGbk("写入超时失败！"); }

std::string writeTooLargeText(std::uint32_t size) {
    return toGbk(formatText("程序过大（%u 字节），无法写入！", unsigned{size}));
}

std::string writeEmptyText() { return toGbk("没有可写入的数据！"); }

std::string passwordTooLongText() { return toGbk("密码过长，最多100字节！"); }

std::string noAnswerText(std::uint8_t moduleAddress) {
    return toGbk(formatText("目标板无应答 目标地址%u", unsigned{moduleAddress}));
}

Bytes clockPayload(const std::tm& localTime) {
    const int weekday = localTime.tm_wday == 0 ? 7 : localTime.tm_wday;
    const int fields[] = {localTime.tm_sec, localTime.tm_min,     localTime.tm_hour,
                          weekday,          localTime.tm_mday,    localTime.tm_mon + 1,
                          localTime.tm_year + 1900 - 2000};
    Bytes payload;
    for (int field : fields) payload.push_back(static_cast<char>(field & 0xFF));
    return payload;
}

std::string clockText(ByteView payload) {
    auto field = [&](size_t index) { return index < payload.size() ? unsigned{byteAt(payload, index)} : 0u; };
    return toGbk(formatText("系统的当前时间为：20%u年%u月%u日 星期%u %u时%u分%u秒", field(6), field(5), field(4),
                            field(3), field(2), field(1), field(0)));
}

std::string addressText(std::uint8_t address) { return toGbk(formatText("目标模块地址为 %u", unsigned{address})); }

std::optional<std::string> passwordResultText(std::uint8_t resultCode) {
    switch (resultCode) {
    case 0x0A: return toGbk("加密成功");
    case 0x0B: return toGbk("加密失败");
    case 0x0C: return toGbk("解密成功");
    case 0x0D: return toGbk("解密失败");
    default: return std::nullopt;
    }
}

std::string learnedCodeText(RemoteCodeKind kind, ByteView code) {
    const char* lead = kind == RemoteCodeKind::UniversalIr ? "接收到万能红外遥控信号" : "接收到无线遥控信号";
    return toGbk(lead) + hexPairs(code);
}

}  // namespace lumio
