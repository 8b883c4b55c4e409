// One keystroke in the statement editor's 参数3 box in edit mode on a 10,000-statement main program:
// the editor encodes the text, replaces the statement through the edit history (folded into the
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

class ListingView : public StatementListView {
public:
    ListingView(Program& program, EditHistory& history, bool lineRefresh)
        : program_(program), history_(history), lineRefresh_(lineRefresh), lines_(renderListing(program.main, {})) {}
    int highestSelected() const override { return kEditedLine; }
    int topLine() const override { return kEditedLine - 10; }
    void commitEdit(EditStep step, const ListingUpdate& update) override {
        history_.record(std::move(step));
        if (lineRefresh_ && update.lineOnly)
            lines_[static_cast<size_t>(update.line)] = renderListingLine(program_.main, static_cast<size_t>(update.line), {});
        else
            lines_ = renderListing(program_.main, {});
        benchmark::DoNotOptimize(lines_.data());
    }

private:
    Program& program_;
    EditHistory& history_;
    bool lineRefresh_;
    std::vector<ListingLine> lines_;
};

void keystrokes(benchmark::State& state, bool lineRefresh) {
    Program program = largeProgram();
    EditHistory history;
    ListingView view(program, history, lineRefresh);
    StatementEditorSession session(program, history, Edition::Current);
    session.open(kMainStoreId, kEditedLine, false, &view);
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
    state.SetLabel(history.undoCount() == 1 ? "one undo step" : "several undo steps");
}

void KeystrokeLineRefresh(benchmark::State& state) { keystrokes(state, true); }
void KeystrokeFullRefresh(benchmark::State& state) { keystrokes(state, false); }

BENCHMARK(KeystrokeLineRefresh)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeFullRefresh)->Unit(benchmark::kMillisecond);

}  // namespace
