// Move generation and legality speed, as perft leaves per second.
#include <benchmark/benchmark.h>

#include "rules/fen.h"
#include "rules/movegen.h"
#include "rules/perft.h"
#include "rules/start_layouts.h"

namespace {

using namespace xq;

void perftFrom(benchmark::State& state, const char* fen, int depth) {
    const Position pos = parseFen(fen).position;
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        Board b = pos.board;
        nodes = perft(b, pos.sideToMove, depth);
        benchmark::DoNotOptimize(nodes);
    }
    state.counters["leaves"] = static_cast<double>(nodes);
    state.counters["nps"] = benchmark::Counter(static_cast<double>(nodes) * state.iterations(),
                                               benchmark::Counter::kIsRate);
}

void BM_PerftStartDepth5(benchmark::State& state) {
    perftFrom(state, "startpos", 5);
}
BENCHMARK(BM_PerftStartDepth5)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PerftEndgameDepth5(benchmark::State& state) {
    perftFrom(state, "3k5/9/2R6/3n4P/2b3b2/2p6/9/3K3pB/1C7/3A1A3 w", 5);
}
BENCHMARK(BM_PerftEndgameDepth5)->Unit(benchmark::kMillisecond);

void BM_PerftMiddlegameDepth4(benchmark::State& state) {
    perftFrom(state, "r2akabr1/9/2n1b1n2/p1p1p1p1p/1c7/2PC5/P3P1PcP/4C1N2/7R1/RNBAKAB2 w", 4);
}
BENCHMARK(BM_PerftMiddlegameDepth4)->Unit(benchmark::kMillisecond);

void BM_GenerateMovesStart(benchmark::State& state) {
    MoveList list;
    for (auto _ : state) {
        generateMoves(Red, startFull, list);
        benchmark::DoNotOptimize(list.count);
    }
}
BENCHMARK(BM_GenerateMovesStart);

}  // namespace
