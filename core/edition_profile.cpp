#include "core/edition_profile.h"

#include <array>

namespace lumio {
namespace {

constexpr std::array kCurrentCategories{
    NameCategory{"全局整数", 0, 99}, NameCategory{"全局数组", 0, 99}, NameCategory{"全局浮点数", 0, 99},
    NameCategory{"定时器", 0, 99},   NameCategory{"位变量", 0, 99},   NameCategory{"函数", 1, 100},
    NameCategory{"输入", 1, 100},    NameCategory{"输出", 1, 100},    NameCategory{"数据口", 1, 100},
    NameCategory{"线程", 1, 100},
};
// The classic edition has no threads to name.
constexpr std::span<const NameCategory> kClassicCategories(kCurrentCategories.data(), kCurrentCategories.size() - 1);

constexpr EditionProfile kCurrent{
    Edition::Current, "Lumio工具V2.000（固件16）", "lumio-editor", 499999, true, true, true, true,
    StatementEditorStyle::ModelessLive, "重命名", "全局命名", false, kCurrentCategories,
    "继电器板指令生成向导V1.7", false, false, false,
};

constexpr EditionProfile kClassic{
    Edition::Classic, "Lumio工具 V1.461", "lumio-editor-classic", 199999, false, false, false, false,
    StatementEditorStyle::ModalOnOk, "重命名设置", "重命名信息", true, kClassicCategories,
    "继电器板指令生成向导V1.5", true, true, true,
};

}  // namespace

const EditionProfile& editionProfile(Edition edition) { return edition == Edition::Classic ? kClassic : kCurrent; }

const EditionProfile* editionProfileNamed(std::string_view name) {
    if (name == "current") return &kCurrent;
    if (name == "classic") return &kClassic;
    return nullptr;
}

}  // namespace lumio
