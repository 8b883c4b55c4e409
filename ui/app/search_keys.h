#pragma once
// The keys of a window's search: Ctrl+F puts the focus in the search box with its text selected,
// F3 finds the next match, wherever the focus is in the window.
#include <functional>

class QLineEdit;
class QWidget;

namespace lumio {

void addSearchKeys(QWidget& window, QLineEdit& searchBox, std::function<void()> findNext);

}  // namespace lumio
