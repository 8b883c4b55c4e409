#include "core/link/write_verify.h"

#include <algorithm>

#include "core/text/gbk.h"

namespace lumio {

std::optional<std::size_t> firstDifference(ByteView sent, ByteView readBack) {
    const auto [sentAt, readAt] = std::ranges::mismatch(sent, readBack);
    if (sentAt == sent.end() && readAt == readBack.end()) return std::nullopt;
    return static_cast<std::size_t>(sentAt - sent.begin());
}

std::string verifyOkText(std::size_t size) {
    return toGbk(formatText("校验通过：板上程序与写入的 %zu 字节一致", size));
}

std::string verifyMismatchText(std::size_t offset) {
    return toGbk(formatText("校验失败：第 %zu 字节起与写入的不一致！", offset));
}

std::string verifyReadFailedText() { return toGbk("校验失败：无法读回目标板程序！"); }

}  // namespace lumio
