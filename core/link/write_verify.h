#pragma once
// Verify after write: the program read back from the board after "全部数据已写入！" is compared byte for
// byte with the image that was sent. This editor's own addition (a board that acknowledged every block
// can still hold something else: a flash fault, another editor writing at the same time).
#include <cstddef>
#include <optional>
#include <string>

#include "core/text/bytes.h"

namespace lumio {

// The offset of the first byte where the two images differ; a shorter image differs at its end.
// Nothing when they are equal.
std::optional<std::size_t> firstDifference(ByteView sent, ByteView readBack);

// Texts of the verification, GBK like all core text.
std::string verifyOkText(std::size_t size);            // "校验通过：板上程序与写入的 %u 字节一致"
std::string verifyMismatchText(std::size_t offset);    // "校验失败：第 %u 字节起与写入的不一致！"
std::string verifyReadFailedText();                    // the read-back did not complete

}  // namespace lumio
