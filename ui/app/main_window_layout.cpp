#include "ui/app/main_window_layout.h"

#include <algorithm>

namespace lumio {
namespace {

struct TopRowPlace {
    int id;
    int x;
    int width;
    int height;
};

// The top row, left to right.
constexpr TopRowPlace kTopRow[] = {
    {1001, 0, 50, 25},    // 打开
    {1002, 50, 50, 25},   // 保存
    {1003, 100, 50, 25},  // 另存
    {1004, 150, 50, 25},  // 设置
    {1006, 220, 75, 25},  // 添加指令
    {1007, 295, 50, 25},  // 删除
    {1017, 365, 100, 25}, // serial port
    {1008, 465, 100, 25}, // connect
    {1010, 585, 120, 25}, // module address
    {1011, 705, 60, 25},  // 读取
    {1012, 765, 60, 25},  // 写入
    {1013, 845, 200, 25}, // program size
    {1014, 1065, 150, 25},// search text
    {1015, 1215, 40, 20}, // 查找
};

constexpr int kListTop = 25;
constexpr int kProgressFromBottom = 25;
constexpr int kProgressHeight = 20;

}  // namespace

std::vector<ControlPlace> mainWindowLayout(QSize client) {
    std::vector<ControlPlace> places;
    for (const TopRowPlace& place : kTopRow) places.push_back({place.id, QRect(place.x, 0, place.width, place.height)});
    const int progressTop = client.height() - kProgressFromBottom;
    // The list reaches down to the progress bar and no further, so its last line is never covered.
    const int listHeight = std::max(0, std::min(client.height() - 40, progressTop - kListTop));
    places.push_back({1005, QRect(0, kListTop, client.width(), listHeight)});
    places.push_back({1018, QRect(0, progressTop, client.width(), kProgressHeight)});
    return places;
}

}  // namespace lumio
