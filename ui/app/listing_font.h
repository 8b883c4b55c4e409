#pragma once
// The font of every statement listing: "黑体", 24 pixels, normal weight, a sans-serif face; where that
// face is not installed, an installed face for simplified Chinese of the same size.
#include <QFont>

namespace lumio {

QFont listingFont();

}  // namespace lumio
