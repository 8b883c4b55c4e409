#include "ui/app/colour_menu.h"

#include <QAction>
#include <QMenu>

namespace lumio {

QMenu* addColourMenu(QMenu* menu, const char* prefix, std::function<void(std::uint8_t)> setColour) {
    static constexpr struct {
        const char* caption;
        const char* name;
        std::uint8_t code;
    } kEntries[] = {
        {"黑色（默认）", "ColourBlack", 0},
        {"蓝色", "ColourBlue", 4},
        {"红色", "ColourRed", 1},
        {"绿色", "ColourGreen", 2},
    };
    QMenu* colours = menu->addMenu(QString::fromUtf8("设置颜色"));
    colours->setObjectName(QString::fromLatin1(prefix) + QStringLiteral("ColourMenu"));
    for (const auto& entry : kEntries) {
        QAction* action = colours->addAction(QString::fromUtf8(entry.caption));
        action->setObjectName(QString::fromLatin1(prefix) + QString::fromLatin1(entry.name));
        const std::uint8_t code = entry.code;
        QObject::connect(action, &QAction::triggered, colours, [setColour, code] { setColour(code); });
    }
    return colours;
}

}  // namespace lumio
