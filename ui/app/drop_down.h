#pragma once
// Drop-down lists that show a bounded number of rows and scroll, however many entries they hold
// (the address list has 256, the port list 255, some parameter lists over a hundred).
class QComboBox;

namespace lumio {

constexpr int kDropDownRows = 20;

// Some styles open a plain drop-down list as a popup as tall as the screen and ignore the row limit;
// this makes `list` keep to `rows` rows in every style.
void limitDropDownRows(QComboBox& list, int rows = kDropDownRows);

}  // namespace lumio
