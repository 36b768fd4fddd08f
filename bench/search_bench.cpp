// Think speed: the fixed-depth think from depth 1 on the built-in benchmark positions, as nodes
// (calls of the alpha-beta pair, leaves included) per second.
#include <benchmark/benchmark.h>

#include <memory>

#include "rules/fen.h"
#include "search/engine.h"
#include "tools/bench_positions.h"

namespace {

using namespace xq;

void BM_ThinkBenchPositions(benchmark::State& state) {
    const int depth = static_cast<int>(state.range(0));
    auto engine = std::make_unique<Engine>();
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        nodes = 0;
        for (std::string_view fen : benchPositions) {
            const Position pos = parseFen(fen).position;
            benchmark::DoNotOptimize(engine->thinkToDepth(pos.sideToMove, pos.board, 1, depth, {}));
            nodes += engine->nodes();
        }
    }
    state.counters["nodes"] = static_cast<double>(nodes);
    state.counters["nps"] = benchmark::Counter(static_cast<double>(nodes) * state.iterations(),
                                               benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ThinkBenchPositions)->Arg(5)->Arg(6)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ThinkBenchPositions)->Arg(7)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
