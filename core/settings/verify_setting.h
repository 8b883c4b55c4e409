#pragma once
// Whether the editor reads the program back after writing it to a board and compares (this editor's
// own key, written by the menu entry 通信 → 写入后校验; readers that do not know it ignore it):
//
//   [canshu_v2]
//   verify_write=1        1 on (also when missing or not a number), 0 off
#include <string_view>

#include "core/settings/link_settings.h"
#include "core/text/bytes.h"

namespace lumio {

inline constexpr std::string_view kVerifyWriteKey = "verify_write";

bool readVerifyAfterWrite(ByteView profile);
SettingsWrite verifyAfterWriteSetting(bool on);

}  // namespace lumio
