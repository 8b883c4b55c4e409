#pragma once
// The two generations of the editor built from one source tree. Code consults this value at the few
// places where the classic build differs (system words, token kinds, catalogue entries, image limits,
// thread stores, menus).
namespace lumio {

enum class Edition { Current, Classic };

}  // namespace lumio
