#pragma once
// Clist_command: the statement list of the main window and of the function and thread lists. A list
// view over a ListingModel with extended selection, the selection operations the edit commands use,
// and the keys that act on the list only while it has the focus.
#include <QListView>
#include <vector>

#include "ui/app/listing_model.h"

namespace lumio {

class Clist_command : public QListView {
    Q_OBJECT
public:
    explicit Clist_command(QWidget* parent = nullptr);

    ListingModel& listing() { return model_; }
    int count() const { return model_.rowCount(); }

    // Nothing when the list is empty or index < 0; otherwise only the line index, clamped to the list,
    // is selected.
    void selectOnly(int index);
    // Nothing when the list is empty, first < 0 or n <= 0; otherwise only lines first .. first + n - 1.
    void selectRange(int first, int n);
    int lowestSelected() const;
    int highestSelected() const;
    // Selected lines, ascending.
    std::vector<int> selectedLines() const;
    // The line holding the caret (the keyboard focus frame), -1 when none.
    int caretLine() const;

    int topLine() const;
    void setTopLine(int line);
    // Scrolls just enough to show the caret line.
    void showCaret();

signals:
    void deleteRequested();
    void cutRequested();
    void copyRequested();
    void pasteRequested();
    void contextMenuRequested(const QPoint& globalPosition);
    // The user asked to edit the selected line: a double click, Enter or F2.
    void editRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void setCaret(int line);
    // Where a menu opened from the keyboard appears: below the caret line's start, in viewport terms.
    QPoint caretPoint() const;

    ListingModel model_;
};

}  // namespace lumio
