#include "ui/app/statement_list.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <algorithm>

namespace lumio {

Clist_command::Clist_command(QWidget* parent) : QListView(parent), model_(this) {
    setModel(&model_);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTextElideMode(Qt::ElideNone);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setContextMenuPolicy(Qt::DefaultContextMenu);
}

void Clist_command::setCaret(int line) {
    selectionModel()->setCurrentIndex(model_.index(line), QItemSelectionModel::NoUpdate);
}

void Clist_command::selectOnly(int index) {
    if (count() == 0 || index < 0) return;
    const int line = std::clamp(index, 0, count() - 1);
    selectionModel()->select(model_.index(line), QItemSelectionModel::ClearAndSelect);
    setCaret(line);
}

void Clist_command::selectRange(int first, int n) {
    if (count() == 0 || first < 0 || n <= 0) return;
    const int last = std::min(first + n - 1, count() - 1);
    if (first > last) {
        selectionModel()->clearSelection();
        return;
    }
    selectionModel()->select(QItemSelection(model_.index(first), model_.index(last)),
                             QItemSelectionModel::ClearAndSelect);
    setCaret(first);
}

int Clist_command::lowestSelected() const {
    int lowest = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (lowest < 0 || range.top() < lowest) lowest = range.top();
    return lowest;
}

int Clist_command::highestSelected() const {
    int highest = -1;
    for (const QItemSelectionRange& range : selectionModel()->selection()) highest = std::max(highest, range.bottom());
    return highest;
}

std::vector<int> Clist_command::selectedLines() const {
    std::vector<int> lines;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int line = range.top(); line <= range.bottom(); ++line) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    return lines;
}

int Clist_command::caretLine() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? current.row() : -1;
}

int Clist_command::topLine() const {
    // Scrolling goes by whole items, so the scroll bar's value is the top line.
    return count() == 0 ? -1 : verticalScrollBar()->value();
}

void Clist_command::setTopLine(int line) {
    if (count() == 0 || line < 0) return;
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(std::min(line, count() - 1));
}

void Clist_command::showCaret() {
    const QModelIndex current = currentIndex();
    if (current.isValid()) scrollTo(current, QAbstractItemView::EnsureVisible);
}

void Clist_command::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
        emit deleteRequested();
        return;
    }
    // Enter of the keypad carries the keypad modifier.
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_F2)) {
        emit editRequested();
        return;
    }
    // Shift+F10 opens the context menu from the keyboard, at the caret line (the Menu key does so by
    // itself).
    if (event->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
        emit contextMenuRequested(viewport()->mapToGlobal(caretPoint()));
        return;
    }
    if (event->modifiers() == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_X: emit cutRequested(); return;
        case Qt::Key_C: emit copyRequested(); return;
        case Qt::Key_V: emit pasteRequested(); return;
        default: break;
        }
    }
    QListView::keyPressEvent(event);
}

QPoint Clist_command::caretPoint() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? visualRect(current).bottomLeft() : QPoint(0, 0);
}

void Clist_command::contextMenuEvent(QContextMenuEvent* event) {
    const bool fromKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    emit contextMenuRequested(fromKeyboard ? viewport()->mapToGlobal(caretPoint()) : event->globalPos());
    event->accept();
}

void Clist_command::mouseDoubleClickEvent(QMouseEvent* event) {
    QListView::mouseDoubleClickEvent(event);
    emit editRequested();
}

}  // namespace lumio
