#pragma once
// The texts the device link shows, as GBK bytes, each a function of the values it shows so it can be
// tested alone. Captions are separate; an empty caption is the application's default.
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

#include "core/link/link_effects.h"
#include "core/text/bytes.h"

namespace lumio {

namespace caption {
std::string notice();   // "提示"
std::string warning();  // "注意"
std::string addressRead();  // "读取成功"
}  // namespace caption

// Whole-program transfer.
std::string readDoneText();      // "全部数据已读取完毕！"
std::string readBadFrameText();  // "数据出错"
std::string readBadImageText();  // "数据有误！"
std::string readTimeoutText();   // the board fell silent while reading
std::string writeDoneText();     // "全部数据已写入！"
std::string writeTimeoutText();  // "写入超时失败！"
std::string writeTooLargeText(std::uint32_t size);
std::string writeEmptyText();

// Device commands.
std::string passwordTooLongText();
std::string noAnswerText(std::uint8_t moduleAddress);
// The 7-byte clock payload: second, minute, hour, weekday (1 Monday .. 7 Sunday), day, month, year - 2000.
Bytes clockPayload(const std::tm& localTime);
// "系统的当前时间为：20%u年%u月%u日 星期%u %u时%u分%u秒" from a 7-byte payload.
std::string clockText(ByteView payload);
std::string addressText(std::uint8_t address);
// The message of an 'l' reply's result byte; nothing for codes other than 0x0A..0x0D.
std::optional<std::string> passwordResultText(std::uint8_t resultCode);
std::string learnedCodeText(RemoteCodeKind kind, ByteView code);

}  // namespace lumio
