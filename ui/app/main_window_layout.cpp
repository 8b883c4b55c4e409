#include "ui/app/main_window_layout.h"

#include <algorithm>

namespace lumio {
namespace {

struct TopRowPlace {
    MainControl id;
    int x;
    int width;
    int height;
};

// The top row, left to right.
constexpr TopRowPlace kTopRow[] = {
    {MainControl::OpenButton, 0, 50, 25},    // 打开
    {MainControl::SaveButton, 50, 50, 25},   // 保存
    {MainControl::SaveAsButton, 100, 50, 25},  // 另存
    {MainControl::SettingsButton, 150, 50, 25},  // 设置
    {MainControl::AddStatementButton, 220, 75, 25},  // 添加指令
    {MainControl::DeleteButton, 295, 50, 25},  // 删除
    {MainControl::PortList, 365, 100, 25}, // serial port
    {MainControl::ConnectButton, 465, 100, 25}, // connect
    {MainControl::AddressList, 585, 120, 25}, // module address
    {MainControl::ReadAllButton, 705, 60, 25},  // 读取
    {MainControl::WriteAllButton, 765, 60, 25},  // 写入
    {MainControl::SizeText, 845, 200, 25}, // program size
    {MainControl::SearchEdit, 1065, 150, 25},// search text
    {MainControl::FindButton, 1215, 40, 20}, // 查找
};

constexpr int kRowHeight = 25;
constexpr int kProgressFromBottom = 25;
constexpr int kProgressHeight = 20;

// The right edge of 查找 in the top row: a narrower client area cannot show the row as it stands.
constexpr int kFullRowWidth = 1215 + 40;
// On a narrower client area the program size and the search move to a second row, the search
// anchored to the right edge so that it stays reachable; the first row keeps its places.
constexpr MainControl kSecondRow[] = {MainControl::SizeText, MainControl::SearchEdit, MainControl::FindButton};
constexpr int kSearchWidth = 150;
constexpr int kFindWidth = 40;
constexpr int kSizeTextWidth = 200;

bool onSecondRow(MainControl id) { return std::ranges::find(kSecondRow, id) != std::end(kSecondRow); }

}  // namespace

std::vector<ControlPlace> mainWindowLayout(QSize client) {
    std::vector<ControlPlace> places;
    const bool oneRow = client.width() >= kFullRowWidth;
    for (const TopRowPlace& place : kTopRow)
        if (oneRow || !onSecondRow(place.id))
            places.push_back({place.id, QRect(place.x, 0, place.width, place.height)});
    int listTop = kRowHeight;
    if (!oneRow) {
        const int findX = std::max(kSizeTextWidth + kSearchWidth, client.width() - kFindWidth);
        const int searchX = findX - kSearchWidth;
        places.push_back({MainControl::SizeText, QRect(0, kRowHeight, std::min(kSizeTextWidth, searchX), kRowHeight)});
        places.push_back({MainControl::SearchEdit, QRect(searchX, kRowHeight, kSearchWidth, kRowHeight)});
        places.push_back({MainControl::FindButton, QRect(findX, kRowHeight, kFindWidth, 20)});
        listTop += kRowHeight;
    }
    const int progressTop = client.height() - kProgressFromBottom;
    // The list reaches down to the progress bar and no further, so its last line is never covered.
    const int listHeight = std::max(0, std::min(client.height() - 40, progressTop - listTop));
    places.push_back({MainControl::MainList, QRect(0, listTop, client.width(), listHeight)});
    places.push_back({MainControl::ProgressBar, QRect(0, progressTop, client.width(), kProgressHeight)});
    return places;
}

}  // namespace lumio
