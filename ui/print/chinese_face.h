#pragma once
// The installed face that shows the listing's Chinese text: "黑体" itself where it is installed, else
// a sans-serif face for simplified Chinese, those that draw Latin letters and digits at half the width
// of a Chinese character first. Empty when no Chinese face is installed.
#include <QString>

namespace lumio {

QString chineseFace();
// A face for headings and running text, where proportional Latin letters read better: a proportional
// sans-serif face for simplified Chinese, else chineseFace().
QString chineseTextFace();

}  // namespace lumio
