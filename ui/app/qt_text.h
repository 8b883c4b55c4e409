#pragma once
// GBK byte strings of core shown as QString, and typed QString text given back to core as GBK.
#include <QString>
#include <string>
#include <string_view>

#include "core/text/gbk.h"

namespace lumio {

inline QString fromGbk(std::string_view gbk) { return QString::fromStdString(toUtf8(gbk)); }
inline std::string gbkOf(const QString& text) { return toGbk(text.toStdString()); }

}  // namespace lumio
