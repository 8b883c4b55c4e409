// actionText over a mix of action statements, the work the listing does for every action line.
#include <benchmark/benchmark.h>

#include <vector>

#include "core/lang/actions/action_text.h"
#include "core/text/gbk.h"

namespace {

lumio::Statement makeAction(int kind, int p1, int p2, const char* param3) {
    lumio::Statement statement;
    statement.isAction = 1;
    statement.setKind(static_cast<std::uint8_t>(kind));
    statement.setParam1(static_cast<std::uint8_t>(p1));
    statement.setParam2(static_cast<std::uint8_t>(p2));
    lumio::encodeActionParam(statement, lumio::toGbk(param3), {});
    return statement;
}

void BM_ActionText(benchmark::State& state) {
    const std::vector<lumio::Statement> statements{
        makeAction(1, 1, 1, "3"),         makeAction(4, 1, 1, "整数1+5*整数2"), makeAction(5, 3, 7, "3,1"),
        makeAction(8, 12, 3, "1,2,3,数组2"), makeAction(12, 1, 1, "整数0=整数0+1"), makeAction(12, 2, 1, ""),
        makeAction(13, 1, 5, "整数1=(整数2, 3)"), makeAction(13, 9, 1, "浮点数0=(浮点数1)")};
    for (auto _ : state)
        for (const lumio::Statement& statement : statements) benchmark::DoNotOptimize(lumio::actionText(statement, {}));
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(statements.size()));
}
BENCHMARK(BM_ActionText);

}  // namespace
