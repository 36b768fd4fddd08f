// The engine commands: eval, think and bench.
#include <chrono>
#include <cstdio>
#include <memory>

#include "search/engine.h"
#include "tools/bench_positions.h"
#include "tools/tool_support.h"

namespace xq::tool {

namespace {

constexpr int DefaultBenchDepth = 6;

bool readDepthArg(const std::string& text, const char* name, int& depth, std::string& error) {
    if (!parseInt(text, depth) || depth < 1 || depth > MaxRootDepth) {
        error = std::string(name) + " must be a whole number from 1 to " +
                std::to_string(MaxRootDepth) + ", not '" + text + "'";
        return false;
    }
    return true;
}

}  // namespace

int commandEval(const Args& args) {
    if (args.size() != 1) return fail("usage: xq-tool eval FEN");
    Position pos;
    std::string error;
    if (!readPosition(args[0], pos, error)) return fail(error);
    auto engine = std::make_unique<Engine>();
    engine->searchBoard = pos.board;
    engine->evaluateBoard();
    std::printf("eval %d\n", engine->evalScore);
    return 0;
}

int commandThink(const Args& args) {
    if (args.size() != 3) return fail("usage: xq-tool think FEN START MAX");
    Position pos;
    int start = 0, last = 0;
    std::string error;
    if (!readPosition(args[0], pos, error) || !readDepthArg(args[1], "START", start, error) ||
        !readDepthArg(args[2], "MAX", last, error))
        return fail(error);
    if (start > last) return fail("START must not exceed MAX");

    auto engine = std::make_unique<Engine>();
    // The panel is called right after each iteration's root, so bestMove is that iteration's.
    const ThinkPanel panel = [&engine](const std::string& line) {
        const std::string text = line.substr(0, line.find_first_of("\r\n"));
        std::printf("%s\tbest=%d nodes=%llu\n", text.c_str(), engine->bestMove,
                    static_cast<unsigned long long>(engine->nodes()));
    };
    const Move best = engine->thinkToDepth(pos.sideToMove, pos.board, start, last, panel);
    std::printf("bestmove %d\n", best);
    return 0;
}

int commandBench(const Args& args) {
    if (args.size() > 1) return fail("usage: xq-tool bench [DEPTH]");
    int depth = DefaultBenchDepth;
    std::string error;
    if (args.size() == 1 && !readDepthArg(args[0], "DEPTH", depth, error)) return fail(error);

    auto engine = std::make_unique<Engine>();
    std::uint64_t total = 0;
    const auto start = std::chrono::steady_clock::now();
    for (std::string_view fen : benchPositions) {
        const Position pos = parseFen(fen).position;
        engine->thinkToDepth(pos.sideToMove, pos.board, 1, depth, {});
        std::printf("nodes %llu\n", static_cast<unsigned long long>(engine->nodes()));
        total += engine->nodes();
    }
    printRate("total_nodes", total, start);
    return 0;
}

}  // namespace xq::tool
