#pragma once
// C_mming_jubu_dlg: the local naming dialog ("局部命名"), opened from the global naming dialog. It
// shows where names are used: on the left the main program, the functions and the threads (each
// through its user name, "√" when it holds statements), on the right the user names that appear in
// the statements of the chosen one. Names themselves are global and are set in the global dialog.
#include <QDialog>
#include <optional>
#include <vector>

#include "core/model/store_ref.h"

class QListWidget;

namespace lumio {

class CMy1Dlg;

class C_mming_jubu_dlg : public QDialog {
    Q_OBJECT
public:
    C_mming_jubu_dlg(CMy1Dlg& mainWindow, QWidget* parent);

    QListWidget* storeList() const { return stores_; }
    QListWidget* nameList() const { return names_; }
    // Store id of a row of the store list: 0 main, k function k, 500 + k thread k.
    std::optional<StoreRef> storeOfRow(int row) const;

private:
    void showNamesOf(int row);

    CMy1Dlg& main_;
    QListWidget* stores_ = nullptr;
    QListWidget* names_ = nullptr;
    std::vector<StoreRef> storesOfRows_;
};

}  // namespace lumio
