#include "core/link/firmware_texts.h"

#include "core/text/bytes.h"
#include "core/text/gbk.h"

namespace lumio {

std::string firmwareQuestionText() { return toGbk("确认要升级处理器固件为当前适配版本吗？"); }
std::string firmwareQuestionCaption() { return toGbk("警告"); }
std::string firmwareNotFoundText() { return toGbk("找不到资源 "); }
std::string firmwareUnloadableText() { return toGbk("无法加载资源!"); }
std::string firmwareDoneText() { return toGbk("固件已更新为当前适用版本！"); }

std::string firmwareConfirmText(std::string_view chipName, std::string_view source, std::uint32_t size) {
    // chipName and source are GBK already; only the frame of the text is converted.
    return toGbk("目标板报告的芯片：") + std::string(chipName) + toGbk("\r\n将要发送的固件：") + std::string(source) +
           toGbk(formatText("\r\n固件大小：%u 字节\r\n\r\n开始发送后请勿断开连接。确认开始升级吗？", unsigned{size}));
}

std::string firmwareStalledText(std::uint32_t step, std::uint32_t blockTotal) {
    return toGbk(formatText("固件升级中断：目标板 3 秒没有应答（第 %u 步，共 %u 步）。\r\n"
                            "串口已恢复为设定的波特率，请检查连接后重新升级。",
                            unsigned{step}, unsigned{blockTotal + 3}));
}

std::string errorCaption() { return toGbk("错误"); }

}  // namespace lumio
