// One keystroke in the statement editor's 参数3 box in edit mode on a 10,000-statement main program:
// the editor encodes the text, replaces the statement through the program document (folded into the
// statement's one undo step) and the listing shows the change. The goal is one frame (16 ms).
// KeystrokeLineRefresh re-renders only the edited line, as the main window does when nothing else
// changed; KeystrokeFullRefresh re-renders the whole listing, for comparison.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/editing/statement_editor_session.h"
#include "core/lang/actions/action_text.h"
#include "core/lang/conditions/condition_param.h"
#include "core/listing/listing.h"
#include "core/text/gbk.h"

namespace {

using namespace lumio;

constexpr int kStatements = 10000;
constexpr int kEditedLine = kStatements / 2;

Statement make(bool isAction, int kind, int p1, int p2, const char* param3) {
    Statement statement;
    statement.isAction = isAction ? 1 : 0;
    statement.setKind(static_cast<std::uint8_t>(kind));
    statement.setParam1(static_cast<std::uint8_t>(p1));
    statement.setParam2(static_cast<std::uint8_t>(p2));
    const std::string text = toGbk(param3);
    if (isAction)
        encodeActionParam(statement, text, {});
    else
        encodeConditionParam(statement, text, {});
    return statement;
}

// Rules of two conditions (an input edge, an integer comparison) and two actions (an output, an
// integer expression), with a block around every tenth rule.
Program largeProgram() {
    Program program;
    auto& statements = program.main.statements;
    statements.reserve(kStatements);
    for (int i = 0; statements.size() < kStatements; ++i) {
        const bool block = i % 10 == 0 && statements.size() + 6 <= kStatements;
        if (block) statements.push_back(make(true, kBlockActionKind, kBlockBeginParam, 0, ""));
        statements.push_back(make(false, 1, 1 + i % 200, 3, ""));
        statements.push_back(make(false, 5, 1 + i % 100, 2, "整数1+10"));
        statements.push_back(make(true, 1, 1, 1, "3"));
        statements.push_back(make(true, 4, 1 + i % 100, 1, "整数2*3+全局整数4"));
        if (block) statements.push_back(make(true, kBlockActionKind, kBlockEndParam, 0, ""));
    }
    statements.resize(kStatements);
    statements[kEditedLine] = make(true, 4, 1, 1, "0");
    program.main.recomputeDepths();
    return program;
}

// The listing as a window keeps it: told of each change by the document, it renders the line or all.
class ListingView : public StatementListView {
public:
    ListingView(ProgramDocument& document, bool lineRefresh)
        : document_(document), lineRefresh_(lineRefresh), lines_(renderListing(document.program().main, {})) {
        document.setListener([this](const DocumentChange& change) { shown(change); });
    }
    int highestSelected() const override { return kEditedLine; }
    int topLine() const override { return kEditedLine - 10; }
    void showEdit(const ListingUpdate&) override {}

private:
    void shown(const DocumentChange& change) {
        const ProgramStore& main = document_.program().main;
        if (lineRefresh_ && change.lineOnly)
            lines_[change.position] = renderListingLine(main, change.position, {});
        else
            lines_ = renderListing(main, {});
        benchmark::DoNotOptimize(lines_.data());
    }

    ProgramDocument& document_;
    bool lineRefresh_;
    std::vector<ListingLine> lines_;
};

void keystrokes(benchmark::State& state, bool lineRefresh) {
    ProgramDocument document;
    document.replace(largeProgram());
    ListingView view(document, lineRefresh);
    StatementEditorSession session(document);
    session.open(StoreRef::main(), kEditedLine, false, &view);
    // The text as it grows key by key; each keystroke changes the stored expression.
    const std::string typed = toGbk("整数12+全局整数34*5-(整数6+78)/9");
    std::vector<std::string> prefixes;
    for (size_t i = 1; i <= typed.size(); ++i) {
        const bool lead = static_cast<unsigned char>(typed[i - 1]) >= 0x80;
        if (lead && i < typed.size()) ++i;  // a GBK character is one keystroke
        prefixes.push_back(typed.substr(0, i));
    }
    size_t next = 0;
    for (auto _ : state) {
        session.editParam3(prefixes[next]);
        next = (next + 1) % prefixes.size();
    }
    state.SetLabel(document.history().undoCount() == 1 ? "one undo step" : "several undo steps");
}

void KeystrokeLineRefresh(benchmark::State& state) { keystrokes(state, true); }
void KeystrokeFullRefresh(benchmark::State& state) { keystrokes(state, false); }

BENCHMARK(KeystrokeLineRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeFullRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
