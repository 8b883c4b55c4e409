#pragma once
// The list a statement editor writes back through, as the main window's listing or a function list
// keeps it, for the editor's tests: the test sets the selection and top line; the list records the
// updates it was told and selects the line each names.
#include <vector>

#include "core/editing/statement_editor_session.h"

namespace lumio::testing {

class RecordingListView : public StatementListView {
public:
    int highestSelected() const override { return selected; }
    int topLine() const override { return top; }
    void showEdit(const ListingUpdate& update) override {
        updates.push_back(update);
        selected = update.line;
    }
    bool listVisible() const override { return visible; }
    void focusList() override { ++focusCount; }

    int selected = -1;
    int top = 0;
    bool visible = false;
    int focusCount = 0;
    std::vector<ListingUpdate> updates;
};

}  // namespace lumio::testing
