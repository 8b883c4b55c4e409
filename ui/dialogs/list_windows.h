#pragma once
// The modeless windows the main window's 设置 menu opens: each is created on its first use, owned by
// the main window, and shown again on later ones.
namespace lumio {

class CMy1Dlg;
class Chanshu_dlg;
class Cmming_dlg;

// 函数列表, 线程列表 (the current edition only) and 重命名. A list is tied to the main window's
// statement editor the first time it opens while the editor exists.
Chanshu_dlg& openFunctionList(CMy1Dlg& mainWindow);
Chanshu_dlg& openThreadList(CMy1Dlg& mainWindow);
Cmming_dlg& openGlobalNaming(CMy1Dlg& mainWindow);

}  // namespace lumio
