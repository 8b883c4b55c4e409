#pragma once
// The editor's icon, drawn rather than shipped as an image file.
#include <QIcon>

namespace lumio {

QIcon appIcon();

}  // namespace lumio
