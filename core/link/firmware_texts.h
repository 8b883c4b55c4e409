#pragma once
// The texts of the firmware upgrade (GBK). An empty caption is the application's default.
#include <cstdint>
#include <string>
#include <string_view>

namespace lumio {

std::string firmwareQuestionText();        // "确认要升级处理器固件为当前适配版本吗？"
std::string firmwareQuestionCaption();     // "警告"
std::string firmwareNotFoundText();        // "找不到资源 "
std::string firmwareUnloadableText();      // "无法加载资源!"
std::string firmwareDoneText();            // "固件已更新为当前适用版本！" (caption "提示")
// The second question, once the board has named its chip: chip, image and size.
std::string firmwareConfirmText(std::string_view chipName, std::string_view source, std::uint32_t size);
// The board stopped answering part-way.
std::string firmwareStalledText(std::uint32_t step, std::uint32_t blockTotal);
std::string errorCaption();                // "错误"

}  // namespace lumio
