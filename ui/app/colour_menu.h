#pragma once
// The 设置颜色 submenu: 黑色（默认）, 蓝色, 红色, 绿色, each setting the colour code of the selected
// lines (0, 4, 1 and 2).
#include <cstdint>
#include <functional>

class QMenu;

namespace lumio {

// Adds the submenu to `menu`; choosing an entry calls `setColour` with its code. The entries are named
// "colourBlack", "colourBlue", "colourRed" and "colourGreen" after `prefix`.
QMenu* addColourMenu(QMenu* menu, const char* prefix, std::function<void(std::uint8_t)> setColour);

}  // namespace lumio
