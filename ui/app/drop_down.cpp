#include "ui/app/drop_down.h"

#include <QComboBox>

namespace lumio {

void limitDropDownRows(QComboBox& list, int rows) {
    list.setMaxVisibleItems(rows);
    // Styles that answer SH_ComboBox_Popup (Fusion, GTK, macOS) place the whole list over the control;
    // this property turns that off for the one widget, leaving the rest of its look to the style.
    list.setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
}

}  // namespace lumio
