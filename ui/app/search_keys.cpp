#include "ui/app/search_keys.h"

#include <QKeySequence>
#include <QLineEdit>
#include <QShortcut>
#include <QWidget>

namespace lumio {

void addSearchKeys(QWidget& window, QLineEdit& searchBox, std::function<void()> findNext) {
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), &window);
    QObject::connect(find, &QShortcut::activated, &searchBox, [&searchBox] {
        searchBox.setFocus(Qt::ShortcutFocusReason);
        searchBox.selectAll();
    });
    auto* again = new QShortcut(QKeySequence(Qt::Key_F3), &window);
    QObject::connect(again, &QShortcut::activated, &window, std::move(findNext));
}

}  // namespace lumio
