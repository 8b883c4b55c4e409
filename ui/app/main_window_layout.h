#pragma once
// Where the controls of the main window stand for a client area of a given size: one row of
// controls at the top, the listing below it, the progress bar at the bottom. A client area too
// narrow for the row puts the program size and the search on a second row, the search at its right.
#include <QRect>
#include <QSize>
#include <vector>

#include "ui/app/main_window_controls.h"

namespace lumio {

struct ControlPlace {
    MainControl id;
    QRect rect;
};

std::vector<ControlPlace> mainWindowLayout(QSize client);

}  // namespace lumio
